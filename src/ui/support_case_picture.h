#pragma once

// One of the six support-case pictures of the data-entry screen: a landscape rectangle with a
// double outline, fixed edges hatched on the inside, and the case number in large bold type.
// The left and right edges are the x edges (they bound the span Lx).

#include <QWidget>

class QLabel;

namespace lajes {

class SupportCasePicture final : public QWidget {
    Q_OBJECT
public:
    SupportCasePicture(int supportCase, QWidget* parent = nullptr);

    int supportCase() const { return supportCase_; }
    QLabel* numberLabel() const { return number_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Which edges of a support case are fixed.
signals:
    void clicked(int supportCase);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int supportCase_;
    QLabel* number_;
};

} // namespace lajes
