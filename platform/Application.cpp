#include "Application.h"

#include "Exceptions.h"
#include "Toolkit.h"

#include <QFileInfo>
#include <QPointer>
#include <QFontDatabase>
#include <QWidget>

#include <exception>

namespace {

QPointer<QWidget> g_mainWindow;

// A Tahoma-compatible face ships with some systems in a folder fontconfig does not search.
void registerTahomaClone()
{
    for (const char *path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

// The message of the innermost nested exception, when it has one.
QString innermostMessage(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        try {
            std::rethrow_if_nested(e);
        } catch (...) {
            QString inner = innermostMessage(std::current_exception());
            if (!inner.isEmpty())
                return inner;
        }
        if (auto own = dynamic_cast<const Exception *>(&e))
            return own->message();
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

} // namespace

EListError::EListError(qsizetype index)
    : Exception(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    registerTahomaClone();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

QString Application::title()
{
    return titleFor(QCoreApplication::applicationFilePath());
}

QWidget *Application::mainWindow()
{
    return g_mainWindow;
}

void Application::setMainWindow(QWidget *window)
{
    g_mainWindow = window;
}

QString Application::titleFor(const QString &programFile)
{
    QString name = QFileInfo(programFile).fileName();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void reportCurrentException() noexcept
{
    try {
        const std::exception_ptr error = std::current_exception();
        try {
            std::rethrow_exception(error);
        } catch (const EAbort &) {
            return;
        } catch (...) {
        }
        if (QWidget *grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        Toolkit::instance().errorBox(QApplication::activeWindow(), Application::title(),
                                     errorReportText(innermostMessage(error)));
    } catch (...) {
        // The report itself failed (no memory, no display): nothing sensible is left to show.
    }
}
