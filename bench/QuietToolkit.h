// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Toolkit.h"

// Boxes for benchmarks of the windows: nothing is shown, every question is answered Yes, every file
// dialog is cancelled, and an error ends the benchmark, whose figures would mean nothing after it.
class QuietToolkit : public Toolkit
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
    bool question(QWidget *, const QString &, const QString &) override { return true; }
    QString inputText(QWidget *, const QString &, const QString &, const QString &initial) override
    {
        return initial;
    }
    std::optional<QString> openFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QStringList openFiles(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    void errorBox(QWidget *, const QString &, const QString &text) override
    {
        qFatal("%s", qPrintable(text));
    }
};
