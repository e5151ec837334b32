#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The disk full while the program writes: a recording made by Speak, a package written, a package and
a text file imported. The database sits on a small tmpfs (root only: it mounts one) filled to leave a
few bytes to a few hundred kilobytes. After each run: a message that says so, no file half-written or
left behind, and the database unchanged or holding the whole change.

    disk_full.py BUILD_DIR
"""
import glob
import hashlib
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile

FREE = [0, 512, 2048, 8192, 16384, 32768, 65536, 131072]


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def files(folder):
    return sorted(os.path.relpath(p, folder) for p in glob.glob(os.path.join(folder, "**"), recursive=True)
                  if os.path.isfile(p) and not p.endswith("/filler"))


def lists(db_path):
    db = sqlite3.connect(db_path)
    try:
        ok = db.execute("pragma integrity_check").fetchall() == [("ok",)]
        rows = db.execute("select t.type_name, count(w.word_id), count(nullif(w.word_sound, '')) from d_type t "
                          "left join d_word w on w.type_id = t.type_id group by t.type_id order by t.type_id").fetchall()
    finally:
        db.close()
    return ok, rows


def fill(mount, free):
    filler = os.path.join(mount, "filler")
    if os.path.exists(filler):
        os.remove(filler)
    st = os.statvfs(mount)
    size = st.f_bavail * st.f_frsize - free
    with open(filler, "wb") as f:
        if size > 0:
            os.posix_fallocate(f.fileno(), 0, size)


def main():
    if os.geteuid() != 0:
        print("disk_full.py mounts a tmpfs: run it as root", file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    tool = os.path.join(build, "tools/spelldeck-db")
    stream = os.path.join(build, "tests/faults/edit_stream")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy", LC_ALL="C.UTF-8", LANGUAGE="")
    work = tempfile.mkdtemp(prefix="disk-full-")
    mount = os.path.join(work, "fs")
    os.mkdir(mount)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=4m", "tmpfs", mount], check=True)
    runs, faults = 0, 0
    try:
        # A package with recordings, made on the roomy disk.
        demo = os.path.join(work, "demo")
        os.mkdir(demo)
        subprocess.run([tool, "--demo"], cwd=demo, env=env, check=True, stdout=subprocess.DEVNULL)
        package = os.path.join(work, "demo.spelldeck")
        subprocess.run([tool, "export", "1", package], cwd=demo, env=env, check=True, stdout=subprocess.DEVNULL)
        text = os.path.join(work, "many.txt")
        with open(text, "w", encoding="utf-8") as f:
            f.write("".join("word %d l'\u00e9t\u00e9\n" % i for i in range(5000)))
        subprocess.run([tool], cwd=mount, env=env, check=True, stdout=subprocess.DEVNULL)
        subprocess.run([tool, "import", package, "--name", "Stream"], cwd=mount, env=env, check=True,
                       stdout=subprocess.DEVNULL)
        db_path = os.path.join(mount, "data", "data.db")
        cases = [
            ("a recording made by Speak", [stream, "1", "--speak", "l'\u00e9t\u00e9"]),
            ("a package written", [tool, "export", "1", os.path.join(mount, "out.spelldeck")]),
            ("a package imported", [tool, "import", package, "--name", "Imported"]),
            ("a text file imported", [tool, "import", text, "--name", "Many"]),
        ]
        print("| what is written | free bytes | outcome | message |")
        print("|---|---|---|---|")
        for what, command in cases:
            for free in FREE + [None]:
                fill(mount, free if free is not None else 1 << 40)
                before_files, before_digest, before_lists = files(mount), digest(db_path), lists(db_path)
                result = subprocess.run(command, cwd=mount, env=env, capture_output=True, text=True)
                message = (result.stderr.strip().splitlines() or [""])[-1]
                boxes = [line[4:] for line in result.stdout.splitlines() if line.startswith("box ")]
                failed = result.returncode != 0 or bool(boxes)
                if boxes:
                    message = " / ".join(boxes)
                if not failed:
                    message = ""

                after_files, after_lists = files(mount), lists(db_path)
                problems = []
                if not after_lists[0]:
                    problems.append("integrity_check fails")
                if failed:
                    if not message:
                        problems.append("no message")
                    new = [f for f in after_files if f not in before_files]
                    # Speak failing leaves the word, saved without a recording: a whole change.
                    if what.startswith("a recording"):
                        if any(f.startswith("data/sounds/") for f in new):
                            problems.append("left behind: %s" % new)
                        extra = after_lists[1][0][1] - before_lists[1][0][1]
                        if extra not in (0, 1):
                            problems.append("words added: %d" % extra)
                    else:
                        if new:
                            problems.append("left behind: %s" % new)
                        if digest(db_path) != before_digest:
                            problems.append("database changed")
                elif free is not None and free < 8192 and not what.startswith("a recording"):
                    problems.append("reported as done with %d bytes free" % free)
                runs += 1
                faults += bool(problems)
                outcome = ("refused" if failed else "done") + ("; " + "; ".join(problems) if problems else "")
                print("| %s | %s | %s | %s |" % (what, "plenty" if free is None else free, outcome,
                                                  message.replace("|", "/")[:150]))
                # Back to the same start for the next run.
                for f in after_files:
                    if f not in before_files:
                        os.remove(os.path.join(mount, f))
                if after_lists[1] != before_lists[1]:
                    db = sqlite3.connect(db_path)
                    db.execute("delete from d_word where type_id in (select type_id from d_type where type_name <> 'Stream')")
                    db.execute("delete from d_type where type_name <> 'Stream'")
                    db.execute("delete from d_word where word_id > 8")
                    db.commit()
                    db.close()
        print("%d runs, %d with something half-written, lost or unreported" % (runs, faults))
        return 1 if faults else 0
    finally:
        subprocess.run(["umount", mount])
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
