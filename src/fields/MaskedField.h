#pragma once

// A single-line edit field governed by an edit mask: fixed width, literals kept in
// place, typing over positions, never shifting. The mask rules live in the model; this
// control routes keys, characters, focus, mouse and clipboard to it and shows its text.

#include <QLineEdit>
#include <memory>
#include <string>

namespace zarn {

class MaskedFieldModel;

class MaskedField : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedField(QWidget* parent = nullptr);
    ~MaskedField() override;

    // The mask string, such as "99;1; " or "!99/99/9999;1;_". Changing it re-fits the
    // present text to the new mask.
    void SetEditMask(const std::string& mask);
    std::string EditMask() const;

    // The field text: exactly the field's width, literals in place, a space at every
    // position left empty (Windows-1252).
    std::string Text() const;
    // Lays any text out in the field; the empty text empties it.
    void SetText(const std::string& text);

    void SelectAll();
    // An empty selection at position 0; the field then shows its overwrite caret there.
    void SetCaretToStart();

    // A read-only field refuses every change without a beep but can still be selected
    // and copied.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;

    const MaskedFieldModel& Model() const;

signals:
    // A mouse click in the field, on release of the button, before the field selects
    // the character at the caret.
    void Clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::unique_ptr<MaskedFieldModel> m_model;
};

} // namespace zarn
