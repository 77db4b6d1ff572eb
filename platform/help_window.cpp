// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_window.h"

#include "platform/files.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace platform {

namespace {

// Room for a page without scrolling sideways; never more than most of the work area.
constexpr QSize kWindowSize(720, 600);

void reportMissingPage(const QString& path)
{
    msgBox(QStringLiteral("Die Hilfe zu diesem Thema fehlt: Die Datei „%1“ wurde nicht gefunden.")
               .arg(QDir::toNativeSeparators(path)),
           MessageButtons::Ok, MessageIcon::Warning);
}

// Help windows go with the application object, before it takes the window system down.
void deleteHelpWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<HelpWindow*>(window))
            delete window;
}

} // namespace

QString helpPage(const QString& helpFile, int mapId)
{
    return resolveNoCase(QFileInfo(helpFile).absolutePath(), QStringLiteral("help/%1.html").arg(mapId));
}

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)),
      back_(new QPushButton(QStringLiteral("Zurück"), this)),
      close_(new QPushButton(QStringLiteral("Schließen"), this))
{
    static const bool deletedWithApplication = (qAddPostRoutine(deleteHelpWindows), true);
    Q_UNUSED(deletedWithApplication);
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QStringLiteral("Hilfe"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    browser_->setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    browser_->setOpenLinks(false);
    back_->setEnabled(false);
    // Without a window manager there is no close box: the button and Escape close the window.
    close_->setShortcut(QKeySequence(Qt::Key_Escape));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);

    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Hilfe") : title);
    });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::showPage(const QString& path, bool onTop)
{
    // A change of the flag makes the window anew; the same flag keeps it as it is.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Each call starts at its own page: "Zurück" leads back only along the links followed since.
    browser_->setSource(QUrl::fromLocalFile(path));
    browser_->clearHistory();
    bringToFront();
}

// Links lead to other pages of the help folder; one that leads nowhere says so.
void HelpWindow::follow(const QUrl& link)
{
    const QUrl target = browser_->source().resolved(link);
    const QString path = target.isLocalFile() ? resolvePathNoCase(target.toLocalFile()) : QString();
    if (!fileExists(path)) {
        reportMissingPage(target.toDisplayString(QUrl::PreferLocalFile | QUrl::RemoveFragment));
        return;
    }
    QUrl page = QUrl::fromLocalFile(path);
    page.setFragment(target.fragment());
    browser_->setSource(page);
}

void HelpWindow::bringToFront()
{
    if (!placed_) {
        const QRect work = services().display->workArea();
        resize(kWindowSize.boundedTo(work.size() * 0.9));
        move(work.center() - rect().center());
        placed_ = true;
    }
    winId();
    // Opened from a modal dialog, the window belongs to it: that dialog's modality does not
    // block it, and a window manager keeps it above the dialog.
    windowHandle()->setTransientParent(QGuiApplication::modalWindow());
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // Without a window manager nothing else orders the windows: a raise puts it on top of all.
    raise();
    activateWindow();
}

RealHelpViewer::~RealHelpViewer()
{
    delete window_.data();
}

void RealHelpViewer::open(const QString& helpFile, int mapId)
{
    const QString page = helpPage(helpFile, mapId);
    if (!fileExists(page)) {
        reportMissingPage(page);
        return;
    }
    if (!window_)
        window_ = new HelpWindow;
    window_->showPage(page, QFileInfo(helpFile).completeBaseName().endsWith(QStringLiteral("_Top"),
                                                                          Qt::CaseInsensitive));
}

} // namespace platform
