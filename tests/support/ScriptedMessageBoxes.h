#pragma once

#include <QList>
#include <QQueue>
#include <QString>

#include "platform/MessageBoxes.h"

namespace miravel::test {

// Answers queued before the action; every box shown is recorded. A confirmation with no
// queued answer fails the running test and answers Cancel, so no test ever blocks.
class ScriptedMessageBoxes : public MessageBoxes {
  public:
    struct Shown {
        enum class Kind { Error, Confirm } kind;
        QString text;
        QString title;
        QString details;
    };

    void QueueAnswer(bool ok) { answers_.enqueue(ok); }
    void Error(const QString& text, const QString& title) override;
    bool Confirm(const QString& text, const QString& title, const QString& details = {}) override;

    const QList<Shown>& shown() const { return shown_; }
    QStringList Texts() const;
    QStringList ErrorTexts() const;
    int PendingAnswers() const { return int(answers_.size()); }
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    QQueue<bool> answers_;
    QList<Shown> shown_;
};

}  // namespace miravel::test
