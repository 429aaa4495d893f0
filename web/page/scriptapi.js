// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The translations behind window.corvane.translateSlave and translateMaster:
// translations(core) over the module's bindings. Uses none of the files
// before it; main.js hands it the module.

// Each translation asks the core for its answer as the JSON text that
// corvane-cli --json writes, and hands it on parsed: the page computes
// nothing of an answer itself. The text comes as UTF-8 bytes in the
// module's memory, valid until the next call.
function translations(core) {
    const decoder = new TextDecoder();

    // A field is a text as typed into the window; anything else is read as
    // its text, and a field not given is the empty text.
    const textOf = (value) => (typeof value === 'string' ? value
        : value === undefined || value === null ? '' : String(value));

    const parsed = (bytes) => JSON.parse(decoder.decode(bytes));

    return {
        // translateSlave("N7:4/5", "6", "10")
        //   -> {ok: true, file: 7, word: 4, modicon_start: 1, modicon_end: 15, ...}
        slave(address, start, count) {
            return parsed(core.translateSlave(textOf(address), textOf(start), textOf(count)));
        },
        // translateMaster({plc: "5", format: "NXYZ:Z", message_type: " Read",
        //   command: " 03 - Read Holding Registers  (4X)", subfunction: "",
        //   register: "1234", slave: "5"}) -> {ok: true, address: "N451:234", ...}
        master(request) {
            return parsed(core.translateMaster(textOf(request.plc), textOf(request.format),
                textOf(request.message_type), textOf(request.command), textOf(request.subfunction),
                textOf(request.register), textOf(request.slave)));
        },
    };
}
