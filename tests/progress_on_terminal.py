#!/usr/bin/env python3
"""The progress line of a national run, on a terminal and off it.

kalvemo-judge judges an archive of copies of the sample's first checkup
file, once with standard error on a pseudo-terminal and once on a pipe. A
run of less than a second shows no line, so the archive is doubled until the
run on the terminal lasts longer than that, whatever the build's speed. On
the terminal the line is drawn (files and files a second) and wiped before
the summary; on the pipe nothing but the summary is written.

    progress_on_terminal.py PATH/TO/kalvemo-judge PATH/TO/national_sample.zip
"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import time
import zipfile

judge, sample = sys.argv[1], sys.argv[2]
WIPE = "\r" + " " * 60 + "\r"
DRAWN = re.compile(r"\r(\d+) %  (\d+) ファイル  (\d+) ファイル/秒   ")


def make_archive(path, files):
    with zipfile.ZipFile(sample) as z:
        name = next(n for n in z.namelist() if "/DATA/" in n)
        checkup = z.read(name)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as z:
        for i in range(files):
            z.writestr("copies/DATA/h1399999999202504010%07d.xml" % i, checkup)


def on_terminal(archive, output):
    """Standard error on a pseudo-terminal: what it showed, and the seconds."""
    main, side = pty.openpty()
    start = time.monotonic()
    run = subprocess.Popen([judge, archive, "-o", output], stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=side)
    os.close(side)
    shown = b""
    while True:
        try:
            piece = os.read(main, 65536)
        except OSError:  # the terminal's far side closed
            break
        if not piece:
            break
        shown += piece
    run.wait()
    os.close(main)
    return shown.decode(), time.monotonic() - start


def on_pipe(archive, output):
    run = subprocess.run([judge, archive, "-o", output], stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=False)
    return run.stderr.decode()


failed = False


def check(what, condition):
    global failed
    print(("ok: " if condition else "FAIL: ") + what)
    failed |= not condition


with tempfile.TemporaryDirectory() as folder:
    archive = os.path.join(folder, "copies.zip")
    output = os.path.join(folder, "copies.csv")
    files = 2000
    while True:
        make_archive(archive, files)
        shown, seconds = on_terminal(archive, output)
        os.remove(output)
        if seconds > 1.5 or files >= 256000:
            break
        files *= 2
    print("%d files in %.1f s on the terminal" % (files, seconds))
    drawn, wiped, summary = shown.partition(WIPE)
    draws = [(int(m[1]), int(m[2])) for m in DRAWN.finditer(drawn)]
    check("a progress line drawn", len(draws) > 0 and DRAWN.sub("", drawn) == "")
    check("the line counts the files as they are read",
          all(0 < done <= files and percent == done * 100 // files for percent, done in draws)
          and [done for _, done in draws] == sorted(done for _, done in draws))
    check("the line wiped before the summary", wiped == WIPE and summary.startswith("読んだファイル: %d" % files))
    check("no line after the wipe", "\r" not in summary.replace("\r\n", "\n"))
    piped = on_pipe(archive, output)
    check("nothing but the summary on a pipe", piped == summary.replace("\r\n", "\n"))

sys.exit(1 if failed else 0)
