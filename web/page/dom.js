// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// Small DOM helpers shared by the other page scripts: the page's fixed
// elements, making an element, the design's texts and captions, placing a
// control and giving it its font, the artwork of a picture, selecting an answer
// on a click, the scale the window is drawn at, and the hit areas that make
// every control a touch target.
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

// A finger needs a target of 24 by 24 CSS pixels. Where a control is smaller
// on the screen (small in the design, or the window scaled down), an
// invisible square beside it takes the rest: the nearest free square that
// overlaps or touches the control along a side, and covers no other control,
// none of the labels kept clear (those naming a round mark: clicking them
// selects nothing), no title bar and no other square. It may reach past the
// client area into the window's frame and the page around it, never past the
// page. A click on it is a click on the control, which is drawn over it.
// Squares are in the window's unscaled pixels; `targets` are [{box,
// control}]: the element the user sees and the one the click goes to.
const kTouchTarget = 24;

function placeHitAreas(client, targets, keepClear) {
    const win = client.parentElement;
    for (const old of win.querySelectorAll(':scope > .hit'))
        old.remove();
    const scale = currentScale();
    const side = Math.ceil(kTouchTarget / scale);
    const origin = client.getBoundingClientRect();
    const shown = (node) => node.getClientRects().length > 0;
    const rectOf = (node) => {
        const r = node.getBoundingClientRect();
        return {x: (r.left - origin.left) / scale, y: (r.top - origin.top) / scale,
            w: r.width / scale, h: r.height / scale};
    };
    // Edges that meet within a hundredth of a pixel touch, and do not overlap.
    const meets = (a, b) => a.x < b.x + b.w - 0.01 && b.x < a.x + a.w - 0.01 &&
        a.y < b.y + b.h - 0.01 && b.y < a.y + a.h - 0.01;
    const boxes = targets.filter((t) => shown(t.box)).map((t) => ({...t, rect: rectOf(t.box)}));
    const taken = boxes.map((b) => b.rect).concat(
        [...keepClear, win.querySelector('.titlebar')].filter(shown).map(rectOf));
    const page = document.documentElement;
    const left = (-window.scrollX - origin.left) / scale;
    const top = (-window.scrollY - origin.top) / scale;
    const right = left + page.scrollWidth / scale - side;
    const bottom = top + page.scrollHeight / scale - side;
    const squares = document.createDocumentFragment();
    for (const {rect, control} of boxes) {
        if (rect.w >= side && rect.h >= side)
            continue;
        const cx = rect.x + (rect.w - side) / 2;
        const cy = rect.y + (rect.h - side) / 2;
        let best = null;
        for (let y = Math.max(top, Math.floor(rect.y - side)); y <= Math.min(bottom, rect.y + rect.h); ++y) {
            const across = y < rect.y + rect.h && y + side > rect.y;
            for (let x = Math.max(left, Math.floor(rect.x - side)); x <= Math.min(right, rect.x + rect.w); ++x) {
                const distance = (x - cx) ** 2 + (y - cy) ** 2;
                if ((best && distance >= best.distance) ||
                    !(across || (x < rect.x + rect.w && x + side > rect.x)))
                    continue;
                const square = {x, y, w: side, h: side};
                if (!taken.some((other) => other !== rect && meets(square, other)))
                    best = {...square, distance};
            }
        }
        if (!best)
            continue;
        taken.push(best);
        const hit = element('span', 'hit', {'aria-hidden': 'true', 'data-for': control.id});
        place(hit, {x: best.x + client.offsetLeft, y: best.y + client.offsetTop, width: side, height: side});
        hit.addEventListener('click', () => {
            control.focus();
            control.click();
        });
        squares.append(hit);
    }
    // First in the window, so that every control is drawn over them.
    win.prepend(squares);
}
