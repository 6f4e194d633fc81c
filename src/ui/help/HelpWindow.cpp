#include "ui/help/HelpWindow.h"

#include "model/settings/ProgramLanguage.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/ProgramResources.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A page of the help in the language the program shows: the Japanese pages, or their English set.
QUrl helpPage(const QString &page)
{
    const bool english = ShownProgramLanguage() == ProgramLanguage::English;
    return QUrl(QStringLiteral("qrc:/help/") + (english ? QStringLiteral("en/") : QString()) + page);
}

} // namespace

QUrl HelpWindow::TopicUrl(int topic)
{
    switch (topic) {
    case 63: return helpPage(QStringLiteral("objects.html#topic63"));
    case 64: return helpPage(QStringLiteral("background.html#topic64"));
    case 66: return helpPage(QStringLiteral("printing.html#topic66"));
    case 67: return helpPage(QStringLiteral("printing.html#topic67"));
    default: return helpPage(QStringLiteral("contents.html"));
    }
}

HelpWindow *HelpWindow::ShowTopic(int topic, QWidget *owner)
{
    // A help window belongs to the window that asked, so that it still takes the mouse while a
    // modal dialog asks for its topic.
    LoadProgramResources();
    QWidget *window = owner ? owner->window() : nullptr;
    HelpWindow *help =
        window ? window->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help) {
        help = new HelpWindow(window);
        // Left to the window manager it may open partly below the screen's edge.
        CenterOnScreen(help);
    }
    help->browser_->setSource(TopicUrl(topic));
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setWindowTitle(tr("VELLUMIA ヘルプ"));
    resize(640, 520);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto *contents = new QPushButton(tr("目次(&C)"), this);
    auto *index = new QPushButton(tr("索引(&I)"), this);
    auto *back = new QPushButton(tr("戻る(&B)"), this);
    auto *forward = new QPushButton(tr("進む(&F)"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser_,
            [this] { browser_->setSource(helpPage(QStringLiteral("contents.html"))); });
    connect(index, &QPushButton::clicked, browser_,
            [this] { browser_->setSource(helpPage(QStringLiteral("index.html"))); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {contents, index, back, forward})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    // Read and put away like a dialog, though it is a window of its own.
    for (const QKeySequence &keys : {QKeySequence(QKeySequence::Cancel), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}
