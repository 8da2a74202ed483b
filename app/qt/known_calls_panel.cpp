// CKnownCallsPanel: two wrapping lists of calls under small captions.
#include "app/qt/known_calls_panel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

constexpr int kCallWidth = 72;
constexpr int kCallsPerRow = 3;
constexpr int kCallHeight = 15;

// A read-only list that lays its calls out in rows, left to right, and never takes the keyboard.
QListWidget* MakeCallList(QWidget* parent, const QString& name, int rows) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(true);
    list->setGridSize(QSize(kCallWidth, kCallHeight));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // its room is kept, so a row always holds 3
    list->setTextElideMode(Qt::ElideNone);
    QFont small = list->font();
    small.setPixelSize(11);
    list->setFont(small);
    const int scrollBar = list->verticalScrollBar()->sizeHint().width();
    list->setFixedSize(kCallsPerRow * kCallWidth + scrollBar + 2 * list->frameWidth() + 4,
                       rows * kCallHeight + 2 * list->frameWidth() + 2);
    return list;
}

QLabel* MakeCaption(QWidget* parent, const QString& text) {
    auto* caption = new QLabel(text, parent);
    QFont small = caption->font();
    small.setPixelSize(11);
    caption->setFont(small);
    return caption;
}

}  // namespace

CKnownCallsPanel::CKnownCallsPanel(QWidget* parent) : QWidget(parent) {
    m_partial = MakeCallList(this, QStringLiteral("partialCalls"), 5);
    m_near = MakeCallList(this, QStringLiteral("nearCalls"), 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_partialCaption = MakeCaption(this, QString());
    layout->addWidget(m_partialCaption);
    layout->addWidget(m_partial);
    layout->addWidget(MakeCaption(this, tr("N+1")));
    layout->addWidget(m_near);
    layout->addStretch(1);
    m_partialCaption->setText(tr("Check partial"));
}

void CKnownCallsPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_partialCaption->setText(tr("Check partial"));
    QWidget::changeEvent(event);
}

void CKnownCallsPanel::SetColors(const QColor& back, const QColor& text, const QColor& workedBack) {
    m_back = back;
    m_text = text;
    m_workedBack = workedBack;
    for (QListWidget* list : {m_partial, m_near}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Text, text);
        list->setPalette(palette);
        list->clear();
    }
    // The items carry their colours: the next Show fills the lists again.
    m_shownPartial.clear();
    m_shownNear.clear();
}

void CKnownCallsPanel::Show(const CallMatches& matches) {
    Fill(*m_partial, m_shownPartial, matches.partial);
    Fill(*m_near, m_shownNear, matches.nearby);
}

void CKnownCallsPanel::Fill(QListWidget& list, std::vector<KnownCall>& shown,
                            const std::vector<KnownCall>& calls) {
    if (calls == shown) return;
    shown = calls;
    list.clear();
    for (const KnownCall& known : calls) {
        auto* item = new QListWidgetItem(ToQString(known.call), &list);
        item->setFlags(Qt::ItemIsEnabled);
        item->setSizeHint(QSize(kCallWidth, kCallHeight));  // the whole cell, not just the first call's text
        item->setForeground(m_text);
        if (known.worked) item->setBackground(m_workedBack);
    }
}

}  // namespace tallyhawk
