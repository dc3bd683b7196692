// CaptionLabel: a label that keeps its caption exactly as set and shows it wrapped.
#pragma once

#include <QLabel>
#include <QString>

namespace tolva {

// Caption() returns the text as it was set (line breaks as carriage return + line feed, paths
// as they are); the label shows it with the line breaks as lines and, for path labels, with a
// break opportunity after every "/" so that a long path wraps instead of being cut.
class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    CaptionLabel(const QString& name, const QString& sCaption, QWidget* parent, bool bPfad = false);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& sCaption);

  private:
    QString caption_;
    bool pfad_;
};

}  // namespace tolva
