#!/usr/bin/env python3
"""The documents hold together: every relative link and picture of README.md
and docs/**/*.md names a file that exists, README.md stays a short front door,
and every picture of the teacher's guide is one a picture script makes."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
LINK = re.compile(r'!?\[[^\]]*\]\(([^)\s]+)[^)]*\)|<img\s[^>]*src="([^"]+)"')
# the picture scripts (of the Linux, the Windows and the browser program) and
# the Makefile's targets that run them
PICTURE_MAKERS = [*root.glob('scripts/**/*.sh'), root / 'web/screenshot.mjs', root / 'Makefile']
made = '\n'.join(p.read_text(encoding='utf-8') for p in PICTURE_MAKERS)
faults = []


def anchors(doc):
    """The anchors of a document's headings, as GitHub makes them."""
    text = re.sub(r'```.*?```', '', doc.read_text(encoding='utf-8'), flags=re.S)
    return {re.sub(r'[^\w\- ]', '', h.strip().lower()).replace(' ', '-')
            for h in re.findall(r'^#+ (.*)$', text, flags=re.M)}


readme = root / 'README.md'
lines = readme.read_text(encoding='utf-8').count('\n')
if lines >= 200:
    faults.append(f'README.md: {lines} lines, the front door keeps under 200')

for doc in [readme, *sorted((root / 'docs').rglob('*.md'))]:
    name = doc.relative_to(root)
    text = re.sub(r'```.*?```', '', doc.read_text(encoding='utf-8'), flags=re.S)
    for match in LINK.finditer(text):
        target, _, anchor = (match[1] or match[2]).partition('#')
        if re.match(r'[a-z]+:', target):
            continue  # a web address
        linked = doc.parent / target
        if not linked.exists():
            faults.append(f'{name}: no such file: {target}')
        elif anchor and (page := linked if target else doc).suffix == '.md' \
                and anchor not in anchors(page):
            faults.append(f'{name}: no heading for #{anchor} in {target or name}')
        elif name.parts[:2] == ('docs', 'guide') and target.endswith('.png') \
                and pathlib.Path(target).name not in made:
            faults.append(f'{name}: no picture script makes {target}')

print('\n'.join(faults) or 'every link and picture found')
sys.exit(1 if faults else 0)
