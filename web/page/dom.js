// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// Small DOM helpers shared by the other page scripts: the page's fixed
// elements, making an element, the design's texts and captions, placing a
// control and giving it its font, the artwork of a picture, selecting an answer
// on a click, and the scale the window is drawn at.
//
// The page scripts are joined in a fixed order (web/CMakeLists.txt) into one
// function scope with 'use strict' (web/assemble.py): their top-level names are
// shared with one another and with nothing else on the page. This is the first
// of them and uses none of the others.

const kFontStacks = {
    'Times New Roman': 'var(--serif)',
    'MS Sans Serif': 'var(--sans)',
};

const fit = document.getElementById('fit');
const screen = document.getElementById('screen');
const images = document.body.dataset;

function element(tag, className, attributes) {
    const node = document.createElement(tag);
    if (className)
        node.className = className;
    for (const [name, value] of Object.entries(attributes || {}))
        node.setAttribute(name, value);
    return node;
}

// The design's texts break lines with CR LF.
function displayText(text) {
    return text.replace(/\r\n/g, '\n');
}

// Shows a caption exactly, blanks included, while the blanks at its ends
// stay out of the accessible name: " Start Coil" is read as "Start Coil".
function setCaption(node, text) {
    const [, lead, words, trail] = /^(\s*)([\s\S]*?)(\s*)$/.exec(text);
    const blank = (spaces) => {
        const span = element('span', '', {'aria-hidden': 'true'});
        span.textContent = spaces;
        return span;
    };
    node.replaceChildren(...[lead && blank(lead), words, trail && blank(trail)].filter(Boolean));
}

function artwork(row) {
    return row.artwork === 'logo' ? images.logo : images.icon;
}

// A click on an answer selects all of it, ready to be copied.
function selectOnClick(node) {
    node.addEventListener('click', () => {
        const selection = window.getSelection();
        if (selection.isCollapsed)
            selection.selectAllChildren(node);
    });
}

function place(node, rect) {
    node.style.left = rect.x + 'px';
    node.style.top = rect.y + 'px';
    node.style.width = rect.width + 'px';
    node.style.height = rect.height + 'px';
}

function applyFont(node, font) {
    const stack = kFontStacks[font.face] || 'var(--sans)';
    node.style.font = (font.bold ? 'bold ' : '') + font.points + 'pt ' + stack;
}

// The scale that fitToViewport (window.js) draws the screen at.
function currentScale() {
    return Number(screen.dataset.scale || '1');
}
