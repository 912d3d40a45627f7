#pragma once

// The program's look: the platform's style, with one change. A text field that the program
// gives a selection while another control has the focus shows no caret; only the focused
// field shows one, as edit fields usually do.

#include <QProxyStyle>

namespace zarn {

class ZarnStyle : public QProxyStyle {
    Q_OBJECT
public:
    ZarnStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace zarn
