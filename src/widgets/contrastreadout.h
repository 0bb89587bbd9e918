#pragma once

#include <QLabel>

class QLineEdit;

namespace Tintora {

// Shows how well a sample's text stands out from its back: the contrast ratio and whether it
// passes the accessibility guidelines' levels AA and AAA for normal and for large text. It
// follows every change of the sample's colours, however they come.
class ContrastReadout : public QLabel
{
    Q_OBJECT

public:
    explicit ContrastReadout(QLineEdit *sample, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showContrast();

    QLineEdit *m_sample;
};

} // namespace Tintora
