#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Kills the program with SIGKILL at random moments of a stream of edits and imports, and checks the
database after each: integrity_check passes, the edited list holds what the editor last showed as done
(or the edit it was making), every import is all there or not there at all, and every import the tool
reported as done is there.

    kill_edits.py BUILD_DIR [--rounds 200] [--seed 1]
"""
import argparse
import json
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time


def words_of(db, list_id):
    """The list's words by id: [name, position]."""
    return {str(row[0]): [row[1], row[2]] for row in db.execute(
        "select word_id, word_name, word_order from d_word where type_id = ?", (list_id,))}


def same(stored, expected):
    """Whether the stored words are the expected ones; a word being added ("new") has any new id."""
    if "new" not in expected:
        return stored == expected
    added = [key for key in stored if key not in expected]
    return (len(added) == 1 and stored[added[0]] == expected["new"] and
            {k: v for k, v in stored.items() if k != added[0]} == {k: v for k, v in expected.items() if k != "new"})


def check(folder, state):
    """Problems found in the database, as text; the edited list's words."""
    problems = []
    db = sqlite3.connect(os.path.join(folder, "data", "data.db"))
    try:
        result = db.execute("pragma integrity_check").fetchall()
        if result != [("ok",)]:
            problems.append("integrity_check: %r" % result)
        for name, count in db.execute("select t.type_name, count(w.word_id) from d_type t left join d_word w "
                                      "on w.type_id = t.type_id where t.type_id <> 1 group by t.type_id"):
            if count != state["import_words"]:
                problems.append("import %s holds %d of %d words" % (name, count, state["import_words"]))
        names = {row[0] for row in db.execute("select type_name from d_type")}
        for name in state["imported"]:
            if name not in names:
                problems.append("import %s reported as done is missing" % name)
        words = words_of(db, 1)
    finally:
        db.close()
    return problems, words


def stream_round(args, folder, rng, state, env):
    child = subprocess.Popen([os.path.join(args.build, "tests/faults/edit_stream"), "1", str(rng.randrange(1 << 30))],
                             cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    # The first edits come some 100 ms after start; kill anywhere from before them to well into the stream.
    time.sleep(rng.uniform(0.02, 1.5))
    child.send_signal(signal.SIGKILL)
    out = child.communicate()[0].decode("utf-8").splitlines()
    child.wait()
    done, intend, edits = None, None, 0
    for line in out:
        what, _, rest = line.partition(" ")
        if what == "unexpected":
            return ["the editor showed something else than the edit: " + rest], 0
        try:
            words = json.loads(rest)
        except ValueError:
            continue  # the last line, cut off by the kill
        if what == "intend":
            intend = words
        elif what == "done":
            done, intend = words, None
            edits += 1
    problems, words = check(folder, state)
    last = done if done is not None else state["words"]
    if not same(words, last) and not (intend is not None and same(words, intend)):
        problems.append("the list holds %r; the editor last showed %r as done" % (words, last))
    state["words"] = words
    return problems, edits


def import_round(args, folder, rng, state, env):
    state["serial"] += 1
    name = "Import %d" % state["serial"]
    child = subprocess.Popen([os.path.join(args.build, "tools/spelldeck-db"), "import", state["import_file"],
                              "--name", name], cwd=folder, env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(rng.uniform(0.0, 0.25))
    child.send_signal(signal.SIGKILL)
    if child.wait() == 0:
        state["imported"].append(name)
    problems, _ = check(folder, state)
    return problems, 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    rng = random.Random(args.seed)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy", LC_ALL="C.UTF-8")
    folder = tempfile.mkdtemp(prefix="kill-edits-")
    try:
        tool = os.path.join(args.build, "tools/spelldeck-db")
        subprocess.run([tool], cwd=folder, env=env, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(folder, "Stream.txt"), "w", encoding="utf-8") as f:
            f.write("cat\ndog\n")
        subprocess.run([tool, "import", "Stream.txt"], cwd=folder, env=env, check=True, stdout=subprocess.DEVNULL)
        state = {"words": {"1": ["cat", 1], "2": ["dog", 2]}, "imported": [], "serial": 0, "import_words": 20000,
                 "import_file": os.path.join(folder, "many.txt")}
        with open(state["import_file"], "w", encoding="utf-8") as f:
            f.write("".join("word %d l'\u00e9t\u00e9\n" % i for i in range(state["import_words"])))
        failures, edits, imports = 0, 0, 0
        for number in range(1, args.rounds + 1):
            if number % 4 == 0:
                problems, _ = import_round(args, folder, rng, state, env)
                imports += 1
            else:
                problems, done = stream_round(args, folder, rng, state, env)
                edits += done
            for problem in problems:
                print("round %d: %s" % (number, problem))
            failures += bool(problems)
        print("%d kills (%d during edits, %d during imports), %d edits shown as done, %d imports reported "
              "as done; rounds with a loss or damage: %d" %
              (args.rounds, args.rounds - imports, imports, edits, len(state["imported"]), failures))
        return 1 if failures else 0
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
