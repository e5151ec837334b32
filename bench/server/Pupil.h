// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>

// One pupil at one computer, in a process of its own with the program's application object: the
// program's own test window on list `listId`, each test's answers kept by an AnswerLog as the main
// window makes one, answered as a keen pupil does (one answer every 200 to 500 ms, about one in seven
// missed on the first pass, the missed words asked again and answered right). Says "ready" on
// standard output once connected, starts at a line on standard input, takes tests one after the
// other for `seconds`, and returns the times of every Check word and of the storing inside it.
QJsonObject takeTests(int number, qint64 listId, int seconds);
