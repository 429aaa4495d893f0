// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The translations behind window.corvane.translateSlave and translateMaster:
// translations(core) over the module's exports. Uses none of the files before
// it; main.js hands it the module.

// The translations for scripts. The field texts go into the module's
// input buffer as UTF-8 and the answer comes back as plain numbers in its
// memory (web/exports.h), so that a call builds no object on the way.
function translations(core) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    // The runtime replaces each export's wrapper by the module's own
    // function at its first call; once called, they are kept at hand.
    const answer = core._corvane_answer();
    core._corvane_input(0);
    core._corvane_translate_slave(0, 0, 0);
    core._corvane_translate_master(0, 0, 0, 0, 0, 0, 0);
    const input = core._corvane_input;
    const translateSlave = core._corvane_translate_slave;
    const translateMaster = core._corvane_translate_master;
    const at = core.answerLayout();
    const tables = core.modbusTables();
    const boxes = new Map();
    let heap = core.HEAPU8;
    let words = core.HEAP32;
    let cursor = 0;

    // A memory that has grown leaves the old views empty.
    function views() {
        if (heap.length === 0) {
            heap = core.HEAPU8;
            words = core.HEAP32;
        }
    }

    const textOf = (value) => (typeof value === 'string' ? value
        : value === undefined || value === null ? '' : String(value));

    // Room for `units` UTF-16 code units, at most 3 bytes each.
    function begin(units) {
        cursor = input(3 * units);
        views();
    }

    // Writes one text at the cursor and returns its length in bytes.
    function put(text) {
        const start = cursor;
        for (let i = 0; i < text.length; ++i) {
            const unit = text.charCodeAt(i);
            if (unit >= 0x80) {
                cursor += encoder.encodeInto(text.slice(i), heap.subarray(cursor)).written;
                break;
            }
            heap[cursor++] = unit;
        }
        return cursor - start;
    }

    // Where each field stands: 32-bit words by index, texts by byte.
    const index = {};
    for (const field of ['ok', 'code', 'file', 'word', 'modiconStart', 'modiconEnd', 'table',
        'startOffset', 'endOffset', 'addressLength'])
        index[field] = (answer + at[field]) >> 2;
    // The tables' function lists are shared by every answer, so they may not change.
    for (const table of tables) {
        Object.freeze(table.read_functions);
        Object.freeze(table.write_functions);
    }

    // A text of the answer, `length` bytes or up to its terminating zero.
    function textAt(bytes, field, length) {
        const start = answer + at[field];
        let end = start;
        if (length === undefined) {
            while (bytes[end])
                ++end;
        } else {
            end = start + length;
        }
        let text = '';
        for (let i = start; i < end; ++i) {
            if (bytes[i] >= 0x80)
                return decoder.decode(bytes.subarray(start, end));
            text += String.fromCharCode(bytes[i]);
        }
        return text;
    }

    function refusal(code) {
        if (!boxes.has(code))
            boxes.set(code, core.errorBox(code));
        const box = boxes.get(code);
        return {ok: false, code, title: box.title, message: box.message};
    }

    const offsetOrNull = (value) => (value < 0 ? null : value);
    const textOrNull = (text) => (text === '' ? null : text);

    // The fields of corvane-cli's JSON, in its order; an answer names a
    // table only where it has one (a master request for diagnostics has none).
    function withTable(result, details, withEnd) {
        result.table = details.table;
        result.reference = details.reference;
        result.start_offset = offsetOrNull(words[index.startOffset]);
        result.start_offset_hex = textOrNull(textAt(heap, 'startHex'));
        result.start_reference6 = textOrNull(textAt(heap, 'startReference'));
        if (withEnd) {
            result.end_offset = offsetOrNull(words[index.endOffset]);
            result.end_offset_hex = textOrNull(textAt(heap, 'endHex'));
            result.end_reference6 = textOrNull(textAt(heap, 'endReference'));
        }
        result.read_functions = details.read_functions;
        result.write_functions = details.write_functions;
        return result;
    }

    function slaveAnswer() {
        const result = {ok: true, file: words[index.file], word: words[index.word],
            modicon_start: words[index.modiconStart], modicon_end: words[index.modiconEnd]};
        const table = words[index.table];
        return table < 0 ? result : withTable(result, tables[table], true);
    }

    function masterAnswer() {
        const result = {ok: true, address: textAt(heap, 'address', words[index.addressLength])};
        const table = words[index.table];
        if (table < 0)
            return result;
        result.modicon_start = words[index.modiconStart];
        return withTable(result, tables[table], false);
    }

    function read(slave) {
        views();
        if (!words[index.ok])
            return refusal(words[index.code]);
        return slave ? slaveAnswer() : masterAnswer();
    }

    return {
        // translateSlave("N7:4/5", "6", "10")
        //   -> {ok: true, file: 7, word: 4, modicon_start: 1, modicon_end: 15}
        slave(address, start, count) {
            address = textOf(address);
            start = textOf(start);
            count = textOf(count);
            begin(address.length + start.length + count.length);
            const a = put(address);
            const s = put(start);
            const c = put(count);
            translateSlave(a, s, c);
            return read(true);
        },
        // translateMaster({plc: "5", format: "NXYZ:Z", message_type: " Read",
        //   command: " 03 - Read Holding Registers  (4X)", subfunction: "",
        //   register: "1234", slave: "5"}) -> {ok: true, address: "N451:234"};
        // a field not given is the empty text.
        master(request) {
            const plc = textOf(request.plc);
            const format = textOf(request.format);
            const messageType = textOf(request.message_type);
            const command = textOf(request.command);
            const subfunction = textOf(request.subfunction);
            const register = textOf(request.register);
            const slave = textOf(request.slave);
            begin(plc.length + format.length + messageType.length + command.length +
                subfunction.length + register.length + slave.length);
            // Arguments are evaluated left to right, so the texts stand in this order.
            translateMaster(put(plc), put(format), put(messageType), put(command),
                put(subfunction), put(register), put(slave));
            return read(false);
        },
    };
}
