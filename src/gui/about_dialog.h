#pragma once

#include <QDialog>

namespace mw::gui {

// "About": the framed program icon, the product title with the version, and the legal notice.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace mw::gui
