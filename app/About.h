// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ModalForm.h"

#include <QLocale>
#include <QUrl>

#include <memory>

namespace Ui {
class TAboutBox;
}

// The About box: product, release, the maker's notice and a link to the user guide. OK is the default
// button; Escape does nothing. Whatever position its creator gives it, it opens centred in the work area
// of the screen that shows the main window.
class TAboutBox : public ModalForm
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    // The user guide: the copy installed with the program (relative to its folder), else the source
    // tree's copy when the program runs from a build folder; empty when neither is there. In each
    // place the guide in `locale`'s language ("index.de.html" beside "index.html") comes first.
    static QUrl guideAddress(const QString &programDir, const QString &sourceCopy, const QLocale &locale);
    static QUrl guideAddress();

    // Shows `address` as the link's text and target. A text wider than the panel is shortened in the
    // middle; the whole address is then the tooltip.
    void setAddress(const QUrl &address);

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
