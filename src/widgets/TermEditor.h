#pragma once

// A term typed as the main window types it, in three masked fields for years, months and
// days side by side, for a cell of a table (TermDelegate). Tab and Shift+Tab go from field
// to field inside the editor; from its last field (or its first, backwards), and with Enter
// or Esc anywhere, the key goes to the editor itself, where the table's delegate takes it
// and leaves the cell. When the keyboard leaves the three fields for another control, the
// editor says so as its own focus leaving, so the delegate keeps what was typed.

#include <QStringList>
#include <QWidget>
#include <array>

namespace zarn {

class MaskedField;

class TermEditor : public QWidget {
    Q_OBJECT
public:
    explicit TermEditor(QWidget* parent = nullptr);
    ~TermEditor() override;

    // The years, months and days texts, as the fields hold them.
    QStringList Texts() const;
    // Lays the texts into the fields (missing ones empty), the years selected.
    void SetTexts(const QStringList& texts);

    const std::array<MaskedField*, 3>& Fields() const { return m_fields; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MoveBetweenFields(int from, bool forward);

    std::array<MaskedField*, 3> m_fields{};
};

} // namespace zarn
