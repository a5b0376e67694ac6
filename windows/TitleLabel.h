#pragma once

#include <QLabel>

// A label that always shows its whole text: where the text is wider than the label, it is
// broken into lines, also inside a word.
class TitleLabel : public QLabel
{
    Q_OBJECT

  public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int Flags() const;
};
