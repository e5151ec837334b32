// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LearnerMenu.h"

#include "AnswerLog.h"
#include "DueWords.h"
#include "ErrorGuard.h"
#include "Exceptions.h"
#include "Toolkit.h"
#include "uPractice.h"
#include "uResults.h"
#include "uTest.h"

#include <QAction>
#include <QActionGroup>
#include <QDate>
#include <QMenu>
#include <QToolButton>

LearnerMenu::LearnerMenu(QWidget *panel, const QRect &geometry, std::function<QPoint()> childPosition,
                         Account account)
    : QObject(panel), m_button(new QToolButton(panel)), m_menu(new QMenu(m_button)),
      m_childPosition(std::move(childPosition)), m_account(std::move(account)),
      m_choice(LearnerChoice::load())
{
    m_button->setObjectName(QStringLiteral("btnLearner"));
    m_button->setGeometry(geometry);
    m_button->setAutoRaise(true);
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_button->setIconSize(QSize(16, 16));
    m_button->setFocusPolicy(Qt::StrongFocus);
    m_button->setMenu(m_menu);
    m_button->setAccessibleName(tr("Learner"));
    // The learners come from the database only when someone looks, never at start-up.
    connectGuarded(m_menu, &QMenu::aboutToShow, this, &LearnerMenu::fillMenu);
    showChoice();
}

LearnerMenu::~LearnerMenu() = default;

void LearnerMenu::showChoice()
{
    QString who;
    switch (m_choice.kind) {
    case LearnerChoice::Nobody:
        who = tr("Nobody");
        break;
    case LearnerChoice::Person:
        who = m_choice.name;
        break;
    case LearnerChoice::Account:
        who = m_account.displayName();
        break;
    }
    const QFontMetrics metrics(m_button->font());
    // The picture, the menu arrow and the button's margins take the rest.
    m_button->setText(metrics.elidedText(who, Qt::ElideRight, m_button->width() - 48)
                          .replace(QLatin1Char('&'), QStringLiteral("&&")));
    const QString kept = m_choice.kind == LearnerChoice::Nobody ? tr("Results are not kept.")
                                                                : tr("Results are kept for %1.").arg(who);
    m_button->setToolTip(kept);
    m_button->setAccessibleDescription(kept);
}

void LearnerMenu::fillMenu()
{
    m_menu->clear();
    auto *group = new QActionGroup(m_menu);
    const auto add = [&](const QString &text, const LearnerChoice &choice) {
        QAction *action = m_menu->addAction(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setCheckable(true);
        action->setChecked(choice == m_choice ||
                           (choice.kind == LearnerChoice::Person && m_choice.kind == LearnerChoice::Person &&
                            choice.id == m_choice.id));
        group->addAction(action);
        connectGuarded(action, &QAction::triggered, this,
                       [choice](LearnerMenu *menu) { menu->choose(choice); });
    };
    add(tr("Nobody (results not kept)"), LearnerChoice::nobody());
    QList<Learner> learners;
    try {
        learners = m_store.learners();
    } catch (const Exception &) {
        // A database that cannot be read lists nobody; the word lists say why when they are opened.
    }
    for (const Learner &learner : std::as_const(learners)) {
        if (learner.account.isEmpty())
            add(learner.name, LearnerChoice::person(learner));
    }
    m_menu->addSeparator();
    connectGuarded(m_menu->addAction(tr("New learner...")), &QAction::triggered, this,
                   &LearnerMenu::newLearnerClick);
    add(tr("The person logged in"), LearnerChoice::account());
    m_menu->addSeparator();
    connectGuarded(m_menu->addAction(tr("Results...")), &QAction::triggered, this,
                   &LearnerMenu::resultsClick);
    QAction *practise = m_menu->addAction(tr("Practise the words due..."));
    practise->setEnabled(m_choice.kind != LearnerChoice::Nobody);
    connectGuarded(practise, &QAction::triggered, this, &LearnerMenu::practiseClick);
}

void LearnerMenu::choose(const LearnerChoice &choice)
{
    m_choice = choice;
    m_choice.save();
    showChoice();
}

void LearnerMenu::tellOnce(const QString &message)
{
    if (std::exchange(m_told, true))
        return;
    showMessage(message);
}

bool LearnerMenu::ready()
{
    if (const std::optional<QString> why = m_store.prepare()) {
        tellOnce(*why);
        return false;
    }
    return true;
}

void LearnerMenu::newLearnerClick()
{
    QWidget *owner = m_button->window();
    const QString name =
        Toolkit::instance().inputText(owner, tr("New learner"), tr("Name of the new learner:"), QString());
    if (name.isEmpty())
        return;
    if (const std::optional<QString> why = m_store.prepare()) {
        showMessage(*why);
        return;
    }
    choose(LearnerChoice::person(m_store.addLearner(name)));
}

std::optional<Learner> LearnerMenu::learnerForResults()
{
    switch (m_choice.kind) {
    case LearnerChoice::Nobody:
        return std::nullopt;
    case LearnerChoice::Account:
        if (!ready())
            return std::nullopt;
        return m_store.accountLearner(m_account.login, m_account.displayName());
    case LearnerChoice::Person:
        break;
    }
    if (!ready())
        return std::nullopt;
    if (std::optional<Learner> learner = m_store.learner(m_choice.id)) {
        if (learner->name != m_choice.name)
            choose(LearnerChoice::person(*learner));
        return learner;
    }
    const QString name = m_choice.name;
    choose(LearnerChoice::nobody());
    showMessage(tr("The learner \"%1\" is no longer in the database, so results are not kept. Choose a "
                   "learner with the button at the top of the main window.")
                    .arg(name));
    return std::nullopt;
}

std::unique_ptr<AnswerLog> LearnerMenu::testLog(const TTypeData &list)
{
    std::optional<Learner> learner;
    try {
        learner = learnerForResults();
    } catch (const Exception &e) {
        // The test runs all the same.
        tellOnce(tr("Results are not kept: %1").arg(e.message()));
    }
    if (!learner)
        return nullptr;
    return std::make_unique<AnswerLog>(m_store, learner->id, ListRef{list.ID.toLongLong(), list.Name});
}

void LearnerMenu::testOver(const AnswerLog *log)
{
    if (!log || log->unkept() == 0)
        return;
    showMessage(log->unkept() == 1
                    ? tr("One answer of this test could not be kept: %1").arg(log->unkeptReason())
                    : tr("%1 answers of this test could not be kept: %2")
                          .arg(log->unkept())
                          .arg(log->unkeptReason()));
}

void LearnerMenu::resultsClick()
{
    const QPoint at = m_childPosition();
    std::optional<qint64> learnerId;
    if (m_choice.kind == LearnerChoice::Person)
        learnerId = m_choice.id;
    ShowResults(m_store, learnerId.value_or(0), at.x(), at.y());
    // The learner may have been renamed or removed there.
    if (m_choice.kind == LearnerChoice::Person) {
        const std::optional<Learner> learner = m_store.learner(m_choice.id);
        choose(learner ? LearnerChoice::person(*learner) : LearnerChoice::nobody());
    }
}

void LearnerMenu::practiseClick()
{
    const std::optional<Learner> learner = learnerForResults();
    if (!learner)
        return;
    const QPoint at = m_childPosition();
    const std::optional<ListRef> list = ShowPractice(m_store, *learner, at.x(), at.y());
    if (!list)
        return;
    const DueWords due = dueWords(m_store, learner->id, list->typeId, QDate::currentDate());
    if (due.words.isEmpty()) {
        showMessage(tr("No words are due for practice now."));
        return;
    }
    AnswerLog log(m_store, learner->id, *list, AnswerLog::Practice, due.lists);
    const QString caption =
        list->typeId == 0 ? tr("Words due from every list") : tr("Words due from %1").arg(list->typeName);
    ShowSpelldeckWords(due.words, caption, at.x(), at.y(), &log);
    testOver(&log);
}
