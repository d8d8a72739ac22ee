#include "framework/print_preview.h"

#include <QHBoxLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/dc.h"
#include "framework/frame_wnd.h"
#include "framework/print_dialog.h"
#include "framework/print_info.h"
#include "framework/view.h"

namespace {

constexpr auto kPreviewName = "AfxPreview";
constexpr int kMaxZoom = 2;

// The pages as blank sheets on a grey ground, one or two side by side, scaled to fit
// (zoom 0) or larger.
class PageArea : public QWidget {
public:
    explicit PageArea(QSizeF sheetPoints) : m_sheet(sheetPoints) {
        setObjectName(QStringLiteral("AfxPreviewPages"));
        setAutoFillBackground(false);
    }

    void Show(int pages, int zoom, QSize viewport) {
        m_pages = pages;
        m_zoom = zoom;
        m_viewport = viewport;
        setMinimumSize(zoom == 0 ? QSize(0, 0) : ContentSize());
        update();
    }

    int Pages() const { return m_pages; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const QSizeF sheet = SheetSize();
        const double gap = kMargin;
        const double total = m_pages * sheet.width() + (m_pages - 1) * gap;
        double x = std::max(gap, (width() - total) / 2);
        const double y = std::max(gap, (height() - sheet.height()) / 2);
        for (int page = 0; page < m_pages; ++page) {
            const QRectF paper(x, y, sheet.width(), sheet.height());
            painter.fillRect(paper.translated(3, 3), Qt::black);
            painter.fillRect(paper, Qt::white);
            painter.setPen(Qt::black);
            painter.drawRect(paper);
            x += sheet.width() + gap;
        }
    }

private:
    static constexpr double kMargin = 12;

    QSizeF SheetSize() const {
        const QSizeF area = m_zoom == 0 ? QSizeF(size()) : QSizeF(m_viewport);
        // Fit: the sheets fill the height (or the width, when two sheets side by side
        // need it); each zoom step doubles that.
        const double byHeight = (area.height() - 2 * kMargin) / m_sheet.height();
        const double byWidth =
            (area.width() - (m_pages + 1) * kMargin) / (m_pages * m_sheet.width());
        const double scale = std::max(0.05, std::min(byHeight, byWidth)) * (1 << m_zoom);
        return m_sheet * scale;
    }

    QSize ContentSize() const {
        const QSizeF sheet = SheetSize();
        return QSize(static_cast<int>(m_pages * sheet.width() + (m_pages + 1) * kMargin),
                     static_cast<int>(sheet.height() + 2 * kMargin));
    }

    QSizeF m_sheet;
    int m_pages = 1;
    int m_zoom = 0;
    QSize m_viewport;
};

class PreviewWindow : public QWidget {
public:
    PreviewWindow(CView* view, CFrameWnd* frame, std::unique_ptr<CPrintInfo> info)
        : m_view(view), m_frame(frame), m_info(std::move(info)) {
        setObjectName(QString::fromLatin1(kPreviewName));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);

        auto* bar = new QWidget(this);
        bar->setObjectName(QStringLiteral("AfxPreviewBar"));
        auto* buttons = new QHBoxLayout(bar);
        buttons->setContentsMargins(4, 4, 4, 4);
        m_print = AddButton(bar, buttons, QStringLiteral("&Print..."), [this] { Print(); });
        m_next = AddButton(bar, buttons, QStringLiteral("&Next Page"), [this] { Move(+1); });
        m_prev = AddButton(bar, buttons, QStringLiteral("Pre&v Page"), [this] { Move(-1); });
        m_pagesButton = AddButton(bar, buttons, QString(), [this] { TogglePages(); });
        m_zoomIn = AddButton(bar, buttons, QStringLiteral("Zoom &In"), [this] { Zoom(+1); });
        m_zoomOut = AddButton(bar, buttons, QStringLiteral("Zoom &Out"), [this] { Zoom(-1); });
        AddButton(bar, buttons, QStringLiteral("&Close"), [this] { Close(); });
        buttons->addStretch(1);
        layout->addWidget(bar);

        QSizeF sheet(595, 842);
        if (QPrinter* printer = m_info->m_pPD->GetPrinter()) {
            sheet = printer->pageLayout().fullRectPoints().size();
        }
        m_scroll = new QScrollArea(this);
        m_scroll->setWidgetResizable(true);
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_pages = new PageArea(sheet);
        m_scroll->setWidget(m_pages);
        layout->addWidget(m_scroll, 1);

        // 0 means one page, anything above two means two.
        const UINT wanted = m_info->m_nNumPreviewPages;
        m_pageCount = wanted >= 2 ? 2 : 1;
        m_info->m_nCurPage = m_info->GetMinPage();
    }

    // Swaps the view out of the frame and the preview in.
    void Open() {
        auto* window = qobject_cast<QMainWindow*>(m_frame->m_hWnd);
        m_viewWidget = window->takeCentralWidget();
        if (m_viewWidget != nullptr) {
            // Kept inside the preview, so that it goes with the frame if the frame goes.
            m_viewWidget->setParent(this);
            m_viewWidget->hide();
        }
        for (QToolBar* toolBar : window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
            if (toolBar->isVisible()) {
                m_hiddenBars.emplace_back(toolBar);
                toolBar->hide();
            }
        }
        window->setCentralWidget(this);
        Refresh();
    }

    void Close() {
        QPrinter* printer = m_info->m_pPD->GetPrinter();
        QPainter painter;
        CDC dc(&painter, printer, FALSE);
        auto* window = qobject_cast<QMainWindow*>(m_frame->m_hWnd);
        window->takeCentralWidget();
        if (m_viewWidget != nullptr) {
            window->setCentralWidget(m_viewWidget);
            m_viewWidget->show();
        }
        for (const QPointer<QToolBar>& toolBar : m_hiddenBars) {
            if (toolBar != nullptr) {
                toolBar->show();
            }
        }
        m_view->OnEndPrinting(&dc, m_info.get());
        if (m_view->m_hWnd != nullptr) {
            m_view->SetFocus();
        }
        hide();
        deleteLater();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        Refresh();
    }

private:
    template <typename Action>
    QPushButton* AddButton(QWidget* bar, QHBoxLayout* buttons, const QString& text, Action action) {
        auto* button = new QPushButton(text, bar);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    }

    // Whether the view's device preparation lets the page print.
    bool PageExists(UINT page) {
        if (page < m_info->GetMinPage() || page > m_info->GetMaxPage()) {
            return false;
        }
        const UINT current = m_info->m_nCurPage;
        m_info->m_nCurPage = page;
        m_info->m_bContinuePrinting = TRUE;
        CDC dc(nullptr, m_info->m_pPD->GetPrinter(), FALSE);
        m_view->OnPrepareDC(&dc, m_info.get());
        const bool exists = m_info->m_bContinuePrinting != FALSE;
        m_info->m_nCurPage = current;
        return exists;
    }

    void Move(int step) {
        const UINT target = m_info->m_nCurPage + static_cast<UINT>(step);
        if (PageExists(target)) {
            m_info->m_nCurPage = target;
            Refresh();
        }
    }

    void TogglePages() {
        m_pageCount = m_pageCount == 1 ? 2 : 1;
        if (CWinApp* app = AfxGetApp()) {
            app->m_nNumPreviewPages = static_cast<UINT>(m_pageCount);
        }
        m_info->m_nNumPreviewPages = static_cast<UINT>(m_pageCount);
        Refresh();
    }

    void Zoom(int step) {
        m_zoom = std::clamp(m_zoom + step, 0, kMaxZoom);
        Refresh();
    }

    void Print() {
        CFrameWnd* frame = m_frame;
        Close();
        frame->PostMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    }

    void Refresh() {
        m_pagesButton->setText(m_pageCount == 1 ? QStringLiteral("&Two Page")
                                                : QStringLiteral("&One Page"));
        m_next->setEnabled(PageExists(m_info->m_nCurPage + 1));
        m_prev->setEnabled(m_info->m_nCurPage > m_info->GetMinPage());
        m_zoomIn->setEnabled(m_zoom < kMaxZoom);
        m_zoomOut->setEnabled(m_zoom > 0);
        m_scroll->setWidgetResizable(m_zoom == 0);
        m_pages->Show(m_pageCount, m_zoom, m_scroll->viewport()->size());
        if (m_zoom != 0) {
            m_pages->resize(m_pages->minimumSize());
        }
    }

    CView* m_view;
    CFrameWnd* m_frame;
    std::unique_ptr<CPrintInfo> m_info;
    QPointer<QWidget> m_viewWidget;
    std::vector<QPointer<QToolBar>> m_hiddenBars;
    QScrollArea* m_scroll = nullptr;
    PageArea* m_pages = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_pagesButton = nullptr;
    QPushButton* m_zoomIn = nullptr;
    QPushButton* m_zoomOut = nullptr;
    int m_pageCount = 1;
    int m_zoom = 0;
};

QMainWindow* FrameWindowOf(const CView* pView) {
    CFrameWnd* frame = pView->GetParentFrame();
    return frame != nullptr ? qobject_cast<QMainWindow*>(frame->m_hWnd) : nullptr;
}

}  // namespace

BOOL AfxIsInPrintPreview(const CView* pView) {
    QMainWindow* window = FrameWindowOf(pView);
    return window != nullptr && window->centralWidget() != nullptr &&
           window->centralWidget()->objectName() == QLatin1String(kPreviewName);
}

BOOL AfxBeginPrintPreview(CView* pView, std::unique_ptr<CPrintInfo> pInfo) {
    CFrameWnd* frame = pView->GetParentFrame();
    if (frame == nullptr || FrameWindowOf(pView) == nullptr || AfxIsInPrintPreview(pView)) {
        return FALSE;
    }
    if (CWinApp* app = AfxGetApp()) {
        pInfo->m_nNumPreviewPages = app->m_nNumPreviewPages;
    }
    QPainter painter;
    CDC dc(&painter, pInfo->m_pPD->GetPrinter(), FALSE);
    pView->OnBeginPrinting(&dc, pInfo.get());
    auto* preview = new PreviewWindow(pView, frame, std::move(pInfo));
    preview->Open();
    return TRUE;
}
