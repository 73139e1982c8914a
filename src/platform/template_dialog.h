#pragma once

#include "platform/commands.h"
#include "platform/dialog_template.h"

#include <QDialog>
#include <QFont>
#include <QMap>
#include <QRect>

// A dialog built from a template table. Each control gets the property "controlId";
// buttons send their id through the dialog's command table, so tests and the
// keyboard reach the same handlers as a click.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(QWidget* parent, const char* templateName);

    QWidget* control(int id) const { return controls_.value(id, nullptr); }
    // Sends a command as a click on the button with that id would.
    bool sendCommand(int id) { return commands.dispatch(id); }
    // Dialog units of this template to pixels.
    QRect toPixels(int x, int y, int w, int h) const;
    const DialogTemplate* dialogTemplate() const { return template_; }
    QFont templateFont() const { return font_; }

    CommandTable commands;

    // The face with the template face's metrics that this machine has.
    static QString mappedFamily(const char* family);
    // Standard caption of a glyph button id (OK, Cancel, Yes, No, Help).
    static QString standardCaption(int id);

    // Escape and the close box send Cancel (id 2) when the dialog has it.
    void reject() override;

private:
    void build();

    const DialogTemplate* template_;
    QFont font_;
    int baseX_ = 4; // average character width
    int baseY_ = 8; // character height
    QMap<int, QWidget*> controls_;
};
