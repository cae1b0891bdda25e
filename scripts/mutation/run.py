#!/usr/bin/env python3
"""The mutation pass: breaks one rule of the product at a time and sees whether the native tests notice.

    scripts/mutation/run.py [--build build/native] [--only TEXT] [MUTATIONS...]

Each mutation file (default: every scripts/mutation/*.txt) holds blocks of

    == <folder>: <the rule that is broken>
    file: <path from the repository root>
    - <exact text, may span lines when each continues with "- ">
    + <its replacement, likewise "+ " lines; none deletes the text>

The text must occur exactly once in its file. The unchanged tree must build and pass first.
For each block the file is changed, the native build rebuilt and the whole CTest suite run;
then the file is put back byte for byte (also when the run is interrupted or terminated). A
mutation is caught when a test fails twice in a row (a failure that a rerun does not repeat is
the suite's flakiness, reported and not counted); the line names the test. A block whose text does not occur once, or whose change
does not build, is a fault of the catalogue: it is reported and counts as no break. The last
lines give, per folder, the breaks and how many were caught, and list every break that no test
noticed and every faulty block. Exit 0 when all were caught and none was faulty, else 1.
"""
import argparse, pathlib, signal, subprocess, sys, collections

ROOT = pathlib.Path(__file__).resolve().parents[2]


def parse(path):
    blocks, cur = [], None
    for raw in path.read_text().splitlines():
        if raw.startswith('== '):
            folder, _, rule = raw[3:].partition(':')
            cur = {'folder': folder.strip(), 'rule': rule.strip(), 'file': None, 'old': [], 'new': [], 'src': path.name}
            blocks.append(cur)
        elif cur is None or not raw.strip() or raw.startswith('#'):
            continue
        elif raw.startswith('file: '):
            cur['file'] = raw[6:].strip()
        elif raw.startswith('- ') or raw == '-':
            cur['old'].append(raw[2:])
        elif raw.startswith('+ ') or raw == '+':
            cur['new'].append(raw[2:])
        else:
            sys.exit(f'{path}: cannot read line: {raw}')
    return blocks


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def ctest(build, *options):
    return run(['ctest', '--test-dir', build, '--timeout', '120', *options], 1800) == 0


def failing_tests(build, tries=2):
    """The tests that fail, each once more to be sure; empty when the suite passes. A flaky failure
    stops the suite before the other tests ran, so the suite then runs once more."""
    failed = ROOT / build / 'Testing' / 'Temporary' / 'LastTestsFailed.log'
    failed.unlink(missing_ok=True)
    if ctest(build, '-j2', '--stop-on-failure'):
        return []
    first = failed.read_text().split() if failed.exists() else ['(the suite timed out)']
    if ctest(build, '--rerun-failed'):
        print('   flaky:', *first, flush=True)
        return failing_tests(build, tries - 1) if tries > 1 else []
    return failed.read_text().split() if failed.exists() else first


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--build', default='build/native')
    ap.add_argument('--only', default='')
    ap.add_argument('files', nargs='*')
    args = ap.parse_args()
    files = [pathlib.Path(f) for f in args.files] or sorted((ROOT / 'scripts/mutation').glob('*.txt'))
    blocks = [b for f in files for b in parse(f) if args.only.lower() in (b['folder'] + b['rule']).lower()]
    # A termination unwinds like an interrupt, so that the changed file is put back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit('terminated'))
    if run(['cmake', '--build', args.build], 3600) != 0:
        sys.exit('the unchanged tree does not build')
    if failing_tests(args.build):
        sys.exit('the unchanged tree fails its tests')
    tally = collections.OrderedDict()
    missed, faulty = [], []
    for b in blocks:
        name = f"{b['folder']}: {b['rule']}"
        path = ROOT / b['file']
        original = path.read_bytes()
        text = original.decode('utf-8')
        old, new = '\n'.join(b['old']), '\n'.join(b['new'])
        if not old or text.count(old) != 1:
            faulty.append(f"{name}: the text occurs {text.count(old) if old else 0} times in {b['file']}")
            print('??', faulty[-1], flush=True)
            continue
        path.write_bytes(text.replace(old, new).encode('utf-8'))
        try:
            built = run(['cmake', '--build', args.build], 1800) == 0
            caught = built and failing_tests(args.build)
        finally:
            path.write_bytes(original)
        if not built:
            faulty.append(f'{name}: the change does not build')
            print('??', faulty[-1], flush=True)
            continue
        t = tally.setdefault(b['folder'], [0, 0])
        t[0] += 1
        t[1] += bool(caught)
        print(f"{'caught' if caught else 'MISSED':8} {name}", *caught[:1], flush=True)
        if not caught:
            missed.append(name)
    run(['cmake', '--build', args.build], 3600)
    print('\n| folder | breaks | caught |\n|---|---|---|')
    for folder, (n, c) in tally.items():
        print(f'| {folder} | {n} | {c} |')
    total = sum(n for n, _ in tally.values()), sum(c for _, c in tally.values())
    print(f'| all | {total[0]} | {total[1]} |')
    for m in missed:
        print('missed:', m)
    for f in faulty:
        print('faulty:', f)
    return 0 if not missed and not faulty else 1


if __name__ == '__main__':
    sys.exit(main())
