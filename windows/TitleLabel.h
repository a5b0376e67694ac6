#pragma once

#include <QLabel>

class QTextLayout;

// A label that always shows its whole text: where the text is wider than the label, it is
// broken into lines, at spaces where it can be and inside a word where it cannot.
class TitleLabel : public QLabel
{
    Q_OBJECT

  public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The width the text takes on one line.
    int OneLineWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Lays the text out in lines no wider than width, and gives their height.
    int LayOut(QTextLayout& layout, int width) const;
};
