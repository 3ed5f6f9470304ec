// A check box whose text wraps onto more lines when the column is narrow,
// as a label's would: a long translation is shown whole instead of cut.
//
//   auto* box = new WrappingCheckBox(tr("Notify me when…"), parent);
#pragma once

#include <QCheckBox>

namespace solvane::app {

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    int textLeft() const;
    QRect textRect(int width) const;
};

}  // namespace solvane::app
