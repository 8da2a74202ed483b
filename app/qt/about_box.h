// CAboutBox: the program's picture and eighteen lines of text that scroll upward, one pixel every 40 ms;
// a new line enters at the bottom every 15 pixels, and after the last line the list starts again.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/qt/skin.h"

namespace tallyhawk {

class CScrollingText : public QWidget {
    Q_OBJECT
public:
    explicit CScrollingText(QStringList lines, QWidget* parent = nullptr);

    // One step of the scroll: the text moves up by one pixel.
    void Tick();
    // The lines on screen from the top down, empty ones included.
    QStringList VisibleLines() const;

    static constexpr int kTickMilliseconds = 40;
    static constexpr int kLineHeight = 15;  // pixels, and ticks between two lines

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The line that entered n-th (from 0), and how far it has risen into the area.
    struct Entered {
        long long number;
        int risen;
    };
    std::vector<Entered> OnScreen() const;

    QStringList m_lines;
    QTimer m_timer;
    long long m_ticks = 0;
};

class CAboutBox : public CSkinDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);

    CScrollingText& Text() { return *m_text; }

    // The eighteen lines, in the current language.
    static QStringList Lines();

private:
    CScrollingText* m_text = nullptr;
};

}  // namespace tallyhawk
