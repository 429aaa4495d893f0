#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Inlines the page's pieces into one self-contained corvane.html.

The WebAssembly module travels gzip-compressed, as base64, in a data block that
the page decodes and unpacks itself (DecompressionStream), so the page makes no
request at all and carries the module in half the bytes; the Content-Security-Policy
allows exactly the inline script and style it carries (by their SHA-256
hashes), images from data: URIs, and the compilation of WebAssembly.

The inline script is Emscripten's runtime, which defines createCorvaneModule,
followed by the page scripts joined in order inside one function with
'use strict': they share their top-level names with one another, and none of
them reaches the page's global scope (they publish window.corvane alone).

The page scripts and the style travel without their comments and indentation
(compact_script, compact_style): the sources keep them, the page's bytes go to
the window.
"""
import argparse
import base64
import gzip
import hashlib
import re
import sys
from pathlib import Path


def data_uri(path: Path) -> str:
    kinds = {'.svg': 'image/svg+xml', '.png': 'image/png'}
    kind = kinds[path.suffix.lower()]
    return f'data:{kind};base64,' + base64.b64encode(path.read_bytes()).decode('ascii')


def source_hash(text: str) -> str:
    digest = hashlib.sha256(text.encode('utf-8')).digest()
    return "'sha256-" + base64.b64encode(digest).decode('ascii') + "'"


def compact_script(text: str) -> str:
    """Drops the lines that are only a // comment, blank lines and indentation.
    The page scripts keep no multi-line string, so no line break inside one is
    touched, and every line keeps its own end, so no statement runs into the
    next."""
    lines = (line.strip() for line in text.splitlines())
    return '\n'.join(line for line in lines if line and not line.startswith('//'))


def compact_style(text: str) -> str:
    """Drops /* */ comments, blank lines and indentation."""
    text = re.sub(r'/\*.*?\*/', '', text, flags=re.DOTALL)
    return '\n'.join(line.strip() for line in text.splitlines() if line.strip())


def check_inline(name: str, text: str, closing: str) -> None:
    # Either would end or confuse the element early in the HTML parser.
    lowered = text.lower()
    for bad in (closing, '<!--'):
        if bad in lowered:
            sys.exit(f'assemble: {name} holds "{bad}", which cannot be inlined')


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--template', type=Path, required=True)
    parser.add_argument('--style', type=Path, required=True)
    parser.add_argument('--runtime', type=Path, required=True,
                        help="Emscripten's runtime, first in the inline script")
    parser.add_argument('--script', type=Path, action='append', required=True,
                        help='page scripts, joined in order in one function after the runtime')
    parser.add_argument('--wasm', type=Path, required=True)
    parser.add_argument('--logo', type=Path, required=True)
    parser.add_argument('--icon', type=Path, required=True)
    parser.add_argument('--max-bytes', type=int, default=400 * 1024)
    parser.add_argument('--output', type=Path, required=True)
    args = parser.parse_args()

    runtime = args.runtime.read_text(encoding='utf-8')
    page_scripts = '\n'.join(compact_script(path.read_text(encoding='utf-8')) for path in args.script)
    script = runtime + '\n' + "(function () {\n'use strict';\n\n" + page_scripts + '\n})();\n'
    style = compact_style(args.style.read_text(encoding='utf-8'))
    check_inline('the script', script, '</script')
    check_inline('the style', style, '</style')

    csp = '; '.join([
        "default-src 'none'",
        f"script-src {source_hash(script)} 'wasm-unsafe-eval'",
        f"style-src {source_hash(style)}",
        'img-src data:',
        "connect-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    pieces = {
        '@CSP@': csp,
        '@ICON@': data_uri(args.icon),
        '@LOGO@': data_uri(args.logo),
        # mtime 0: the same module gives the same page, byte for byte.
        '@WASM@': base64.b64encode(gzip.compress(args.wasm.read_bytes(), 9, mtime=0)).decode('ascii'),
        '@STYLE@': style,
        '@SCRIPT@': script,
    }
    page = args.template.read_text(encoding='utf-8')
    # One pass, so that no piece is searched for the placeholders of another.
    out = []
    rest = page
    while True:
        found = [(rest.find(key), key) for key in pieces if rest.find(key) >= 0]
        if not found:
            out.append(rest)
            break
        position, key = min(found)
        out.append(rest[:position])
        out.append(pieces[key])
        rest = rest[position + len(key):]
    html = ''.join(out)

    size = len(html.encode('utf-8'))
    if size > args.max_bytes:
        sys.exit(f'assemble: corvane.html is {size} bytes, more than {args.max_bytes}')
    args.output.write_text(html, encoding='utf-8')
    print(f'corvane.html: {size} bytes')
    return 0


if __name__ == '__main__':
    sys.exit(main())
