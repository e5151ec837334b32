// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A word's recording made by the speech engine: `text` spoken by `voice` (with `sentence` between the
// word said twice, when there is one), trimmed, normalised and encoded, written as a new MP3 file in
// `folder` named after the text. Returns its path (relative when `folder` is). Raises Exception, with
// nothing written, when the voice says nothing for the text, the engine is not available or the
// folder cannot be written.
QString speakToFile(const QString &text, const QString &voice, const QString &folder,
                    const QString &sentence = {});
