// Inside the layer: the window class "AfxScrollView" of scroll views, a scroll area
// whose inner surface holds the view's child windows.
#pragma once

#include <QScrollArea>

// Asks for the size of its contents, and hands the focus it receives to the first
// tab stop among the view's child windows.
class AfxScrollArea : public QScrollArea {
public:
    explicit AfxScrollArea(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

void AfxRegisterScrollViewClass();
