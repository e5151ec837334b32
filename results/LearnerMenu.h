// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Account.h"
#include "Learner.h"
#include "ResultStore.h"
#include "uGlobal.h"

#include <QObject>

#include <functional>
#include <memory>

class AnswerLog;
class QMenu;
class QToolButton;
class QWidget;

// The learner button at the top of the main window: whom results are kept for ("Nobody" until someone
// is chosen), and the way to new learners, the Results window and a practice of the words due. With
// nobody chosen the program never reads or writes a result, and until the menu is opened or a test
// runs it sends nothing to the database at all.
class LearnerMenu : public QObject
{
    Q_OBJECT

public:
    // The button goes on `panel` at `geometry`; `childPosition` says where the windows it opens go.
    LearnerMenu(QWidget *panel, const QRect &geometry, std::function<QPoint()> childPosition,
                Account account = currentAccount());
    ~LearnerMenu() override;

    QToolButton *button() const { return m_button; }
    const LearnerChoice &choice() const { return m_choice; }
    ResultStore &store() { return m_store; }

    // The log that keeps a test's answers of `list` for the learner chosen; none when nobody's are
    // kept or the database cannot keep them now (the user is told once a run why not).
    std::unique_ptr<AnswerLog> testLog(const TTypeData &list);
    // After the test: tells the user how many answers could not be kept, if any.
    void testOver(const AnswerLog *log);

    void choose(const LearnerChoice &choice);
    void newLearnerClick();
    void resultsClick();
    void practiseClick();

private:
    void fillMenu();
    void showChoice();
    // The learner the choice stands for now, made for the account on its first use; none, with the
    // user told why, when there is none or results cannot be kept.
    std::optional<Learner> learnerForResults();
    bool ready();
    void tellOnce(const QString &message);

    QToolButton *m_button;
    QMenu *m_menu;
    std::function<QPoint()> m_childPosition;
    Account m_account;
    LearnerChoice m_choice;
    ResultStore m_store;
    bool m_told = false;
};
