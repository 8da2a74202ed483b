// CKnownCallsPanel: the known calls for the call being typed, in two compact lists that wrap: the
// partial matches of MASTER.SCP (the ones worked in this contest on the worked colour) and the N+1 calls.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QWidget>

#include "app/session/call_matches.h"

namespace tallyhawk {

class CKnownCallsPanel : public QWidget {
    Q_OBJECT
public:
    explicit CKnownCallsPanel(QWidget* parent = nullptr);

    // The lists' background and text, and the background of a worked call.
    void SetColors(const QColor& back, const QColor& text, const QColor& workedBack);
    void Show(const CallMatches& matches);

    QListWidget& PartialList() { return *m_partial; }
    QListWidget& NearList() { return *m_near; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Refills `list` only when `calls` differ from what it shows (`shown`): the lists are drawn again
    // on every keystroke in any field.
    void Fill(QListWidget& list, std::vector<KnownCall>& shown, const std::vector<KnownCall>& calls);

    QLabel* m_partialCaption = nullptr;
    QListWidget* m_partial = nullptr;
    QListWidget* m_near = nullptr;
    QColor m_back, m_text, m_workedBack;
    std::vector<KnownCall> m_shownPartial, m_shownNear;
};

}  // namespace tallyhawk
