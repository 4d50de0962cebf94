// The application's style, with one change: no icon for the menu bar's
// overflow button. QMenuBar asks for that icon when it is built, and loading
// it makes Qt load every image-format plugin (GIF, ICO, JPEG and libjpeg)
// before the window shows. The menu bar never overflows: its four short menus
// fit the window at any size it can take.
#pragma once

#include <QProxyStyle>

namespace cambist {

class CalculatorStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the style the application would use (the platform's, or the one
    // chosen with -style or QT_STYLE_OVERRIDE).
    explicit CalculatorStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

}  // namespace cambist
