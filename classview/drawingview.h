#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>

namespace toolkit {
class Platform;
}

namespace classview {

// A child's drawing shown large, pixel for pixel or a whole number of times
// larger, with a button that prints it on one page.
class DrawingView : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(classview::DrawingView)

public:
    DrawingView(toolkit::Platform& platform, QImage image, QString caption,
                QWidget* parent = nullptr);

    // Sends the drawing to the printer the teacher chooses.
    bool print();

private:
    toolkit::Platform& platform_;
    QImage image_;
    QString caption_;
};

} // namespace classview
