#include "platform/template_dialog.h"

#include "platform/art.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextEdit>

#include <cmath>

TemplateDialog::TemplateDialog(QWidget* parent, const char* templateName)
    : QDialog(parent), template_(findDialogTemplate(templateName)) {
    Q_ASSERT_X(template_, "TemplateDialog", templateName);
    build();
}

QString TemplateDialog::mappedFamily(const char* family) {
    const QString f = QString::fromLatin1(family);
    if (f == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (f == QLatin1String("Courier New"))
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans"); // Helv, System, Arial
}

QString TemplateDialog::standardCaption(int id) {
    switch (id) {
    case 1:
        return QStringLiteral("OK");
    case 2:
        return QStringLiteral("Cancel");
    case 6:
        return QStringLiteral("&Yes");
    case 7:
        return QStringLiteral("&No");
    case 9:
        return QStringLiteral("&Help");
    default:
        return {};
    }
}

QRect TemplateDialog::toPixels(int x, int y, int w, int h) const {
    auto px = [this](int v) { return (v * baseX_ + 2) / 4; };
    auto py = [this](int v) { return (v * baseY_ + 4) / 8; };
    return QRect(px(x), py(y), px(w), py(h));
}

void TemplateDialog::build() {
    font_ = QFont(mappedFamily(template_->fontFamily), template_->pointSize);
    if (QString::fromLatin1(template_->fontFamily) == QLatin1String("System"))
        font_.setBold(true);
    setFont(font_);
    const QFontMetrics fm(font_);
    // Base units the way dialog templates measure them: the mean width of the
    // alphabet and the character height.
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    baseX_ = std::max(1, int(std::lround(fm.horizontalAdvance(alphabet) / 52.0)));
    baseY_ = std::max(1, fm.height());

    setWindowTitle(QString::fromLatin1(template_->caption));
    if (!template_->systemMenu)
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QRect frame = toPixels(template_->x, template_->y, template_->w, template_->h);
    setFixedSize(frame.size());
    // A template's place is counted from its owner's client area, or from the screen.
    QWidget* owner = parentWidget();
    move(owner ? owner->mapToGlobal(frame.topLeft()) : frame.topLeft());

    for (const ControlTemplate& c : template_->controls) {
        const QRect r = toPixels(c.x, c.y, c.w, c.h);
        const QString text = QString::fromLatin1(c.text);
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::GlyphButton: {
            auto* b = new QPushButton(this);
            QString caption = text;
            if (c.kind == ControlKind::GlyphButton) {
                if (caption.isEmpty())
                    caption = standardCaption(c.id);
                QStyle::StandardPixmap sp = QStyle::SP_CustomBase;
                switch (c.id) {
                case 1: sp = QStyle::SP_DialogOkButton; break;
                case 2: sp = QStyle::SP_DialogCancelButton; break;
                case 6: sp = QStyle::SP_DialogYesButton; break;
                case 7: sp = QStyle::SP_DialogNoButton; break;
                case 9: sp = QStyle::SP_DialogHelpButton; break;
                default: break;
                }
                if (sp != QStyle::SP_CustomBase)
                    b->setIcon(style()->standardIcon(sp));
            }
            b->setText(caption);
            // A focused button takes Return, as Space does.
            b->setAutoDefault(true);
            if (c.style & CS_DEFAULT)
                b->setDefault(true);
            const int id = c.id;
            connect(b, &QPushButton::clicked, this, [this, id] { commands.dispatch(id); });
            w = b;
            break;
        }
        case ControlKind::Edit: {
            if (c.style & CS_MULTILINE) {
                auto* e = new QTextEdit(this);
                e->setReadOnly(c.style & CS_READONLY);
                e->setPlainText(text);
                if (c.style & CS_CENTER)
                    e->setAlignment(Qt::AlignCenter);
                e->setVerticalScrollBarPolicy((c.style & CS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAsNeeded);
                e->setFrameShape((c.style & CS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
                w = e;
            } else {
                auto* e = new QLineEdit(text, this);
                e->setReadOnly(c.style & CS_READONLY);
                w = e;
            }
            break;
        }
        case ControlKind::Icon: {
            auto* l = new QLabel(this);
            l->setPixmap(Art::pixmap(text, r.size()));
            l->setObjectName(text);
            w = l;
            break;
        }
        case ControlKind::ShadedGroupBox: {
            auto* f = new QFrame(this);
            f->setFrameShape(r.height() <= 2 ? QFrame::HLine : QFrame::Panel);
            f->setFrameShadow(QFrame::Sunken);
            w = f;
            break;
        }
        case ControlKind::GroupBox:
            w = new QGroupBox(text, this);
            break;
        case ControlKind::ListBox:
            w = new QListWidget(this);
            break;
        case ControlKind::RadioButton: {
            auto* b = new QRadioButton(text, this);
            const int id = c.id;
            connect(b, &QRadioButton::clicked, this, [this, id] { commands.dispatch(id); });
            w = b;
            break;
        }
        case ControlKind::CheckBox: {
            auto* b = new QCheckBox(text, this);
            const int id = c.id;
            connect(b, &QCheckBox::clicked, this, [this, id] { commands.dispatch(id); });
            w = b;
            break;
        }
        }
        w->setGeometry(r);
        w->setProperty("controlId", c.id);
        if (c.kind == ControlKind::ShadedGroupBox || c.kind == ControlKind::GroupBox)
            w->lower();
        if (c.id >= 0)
            controls_.insert(c.id, w);
    }
}

void TemplateDialog::reject() {
    if (commands.has(2))
        commands.dispatch(2);
    else
        done(2);
}
