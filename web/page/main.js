// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// Start-up: creates the WebAssembly module from the page's data block, sets up
// window.corvane (ready, translateSlave, translateMaster), starts the window
// with the state that the page's address carries, or says why Corvane could
// not start. Uses element() and the fit element from dom.js, fitToViewport(),
// openLink() and linkWritten from window.js, translations() from scriptapi.js
// and MappingTableSection from mappingtable.js. The last of the page scripts.

function decodeBase64(text) {
    const binary = atob(text.trim());
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i)
        bytes[i] = binary.charCodeAt(i);
    return bytes;
}

// The module travels gzip-compressed (web/assemble.py).
async function moduleBytes() {
    if (typeof DecompressionStream !== 'function')
        throw new Error('this browser cannot unpack the page\'s WebAssembly (no DecompressionStream)');
    const packed = decodeBase64(document.getElementById('corvane-wasm').textContent);
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
}

function fail(reason) {
    const notice = element('p', 'notice', {role: 'alert'});
    notice.textContent = 'Corvane could not start: ' + reason;
    fit.after(notice);
}

window.addEventListener('resize', fitToViewport);

// Scripts use the same translations as the window, once it has started.
window.corvane = {ready: null, translateSlave: null, translateMaster: null};
const ready = (typeof WebAssembly === 'object'
    ? moduleBytes().then((wasmBinary) => createCorvaneModule({wasmBinary}))
    : Promise.reject(new Error('this browser has no WebAssembly')))
    .then((core) => {
        const translate = translations(core);
        window.corvane.translateSlave = translate.slave;
        window.corvane.translateMaster = translate.master;
        openLink(core, location.hash.slice(1));
        // A link pasted into the address of the open page starts it afresh
        // with its state, as opening the link would.
        window.addEventListener('hashchange', () => {
            if (location.hash.slice(1) !== linkWritten)
                openLink(core, location.hash.slice(1));
        });
        // A row chosen in the mapping table fills the window with its
        // request, and with its answer when it is answered (a refusal stays
        // in the table, without an error box); the focus stays in the table.
        const mappingTable = new MappingTableSection(core, (link, answered) => {
            openLink(core, link, {takeFocus: false, answer: answered});
            history.replaceState(history.state, '', '#' + link);
        });
        fit.after(mappingTable.section);
        performance.mark('corvane-ready');
        return true;
    });
ready.catch((error) => fail(error && error.message ? error.message : String(error)));
window.corvane.ready = ready;
