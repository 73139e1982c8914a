#include "shell/ync.h"

#include "platform/art.h"
#include "platform/help.h"
#include "platform/keyboard_table.h"
#include "platform/template_dialog.h"
#include "shell/globals.h"
#include "shell/sounds.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QWindow>

namespace {
constexpr int kMaxText = 1999;
constexpr QSize kOuterSize(438, 230);

struct ButtonSpec {
    int id;
    const char* text;
    QStyle::StandardPixmap icon;
    int x, y, w, h;
};
} // namespace

YNC::YNC(QWidget* parent, const QString& positionName, const QString& text, const QString& caption,
         int helpTopic, int x, int y)
    : SWindow(parent, caption, positionName), text_(text.left(kMaxText)), helpTopic_(helpTopic) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(Art::icon(QStringLiteral("SMALL")));
    brain_ = Art::pixmap(QStringLiteral("BRAIN"), QSize(32, 32));
    pencil_ = Art::pixmap(QStringLiteral("PENCIL"), QSize(32, 32));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setGeometry(QRect(QPoint(x, y), kOuterSize));

    auto* box = new QTextEdit(this);
    box->setReadOnly(true);
    box->setPlainText(text_);
    box->setAlignment(Qt::AlignCenter);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setGeometry(80, 36, 280, 84);
    box->setProperty("controlId", 100);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette boxPal = box->palette();
    boxPal.setColor(QPalette::Base, Qt::white);
    box->setPalette(boxPal);

    const ButtonSpec buttons[] = {
        {6, "Yes", QStyle::SP_DialogYesButton, 32, 144, 66, 42},
        {7, "No", QStyle::SP_DialogNoButton, 124, 144, 66, 42},
        {2, "Cancel", QStyle::SP_DialogCancelButton, 256, 144, 66, 42},
        {9, "Help", QStyle::SP_DialogHelpButton, 344, 144, 66, 42},
    };
    for (const ButtonSpec& def : buttons) {
        auto* b = new QPushButton(style()->standardIcon(def.icon), QString::fromLatin1(def.text),
                                  this);
        b->setGeometry(def.x, def.y, def.w, def.h);
        b->setProperty("controlId", def.id);
        b->setAutoDefault(true); // a focused button takes Return
        b->setDefault(def.id == 6);
        const int id = def.id;
        connect(b, &QPushButton::clicked, this, [this, id] { commands.dispatch(id); });
    }
    commands.add(6, [this] { Yes(); });
    commands.add(7, [this] { No(); });
    commands.add(2, [this] { Cancel(); });
    commands.add(9, [this] { Help(); });
    installKeyboardTable(this, "ACCS", commands);
}

YNC::~YNC() = default;

void YNC::fitOuterSize() {
    // The prompt's size counts its frame; the frame is known once the window is on screen.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize inner(kOuterSize.width() - frame.left() - frame.right(),
                      kOuterSize.height() - frame.top() - frame.bottom());
    if (size() != inner)
        resize(inner);
}

void YNC::SetupWindow() {
    fitOuterSize();
    SWindow::SetupWindow();
    for (auto* b : findChildren<QPushButton*>())
        if (b->property("controlId").toInt() == 6)
            b->setFocus();
}

void YNC::Yes() {
    playSound("sound/right.wav");
    endModal(6);
}

void YNC::No() {
    playSound("sound/wrong.wav");
    endModal(7);
}

void YNC::Cancel() {
    playSound("sound/wrong.wav");
    endModal(2);
}

void YNC::Help() {
    playSound("sound/right.wav");
    WinHelpTopic(helpfile, helpTopic_);
}

void YNC::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(22, 52, brain_);
    p.drawPixmap(388, 52, pencil_);
}

void YNC::showEvent(QShowEvent* event) {
    SWindow::showEvent(event);
    fitOuterSize();
}

void YNC::moveEvent(QMoveEvent* event) {
    SWindow::moveEvent(event);
    fitOuterSize(); // the window manager's frame arrives with its first move
}

void YNC::closeEvent(QCloseEvent* event) {
    // Only the buttons and the keys end the prompt.
    if (!modalEnding())
        event->ignore();
}
