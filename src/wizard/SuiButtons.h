// SuiButtons: the wizard's button bar with keyed buttons ("zurück", "weiter", "cancel").
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

class QPushButton;

namespace tolva {

// Buttons are numbered from 1 in the order added and found by their key (compared exactly).
// The bar lays its buttons out side by side at equal widths over its whole size. Its look
// comes from a template file, a Qt style sheet, loaded with LoadTemplate.
class SuiButtons : public QWidget {
    Q_OBJECT
  public:
    explicit SuiButtons(QWidget* parent);

    int AddItem(const QString& sKey, const QString& sCaption);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    QString Key(int n) const;
    // Number of the button with that key, 0 when none has it.
    int IndexOf(const QString& sKey) const;

    QString Caption(const QString& sKey) const;
    void SetCaption(const QString& sKey, const QString& sCaption);
    bool IsItemEnabled(const QString& sKey) const;
    void SetItemEnabled(const QString& sKey, bool bEnabled);
    // Text colour of button n.
    QColor ItemColour(int n) const;
    void SetItemColour(int n, const QColor& colour);
    // Whether the bar draws a focus frame around the button with the keyboard focus.
    void SetFocusFrame(bool bFrame);

    // Loads the template file (a style sheet); false when it cannot be read.
    bool LoadTemplate(const QString& sDatei);

    // The button widget of a key (null when unknown): for keyboard focus and for tests.
    QPushButton* Button(const QString& sKey) const;

  signals:
    // A click on an enabled button, with its key.
    void ItemClick(const QString& sKey);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Item {
        QString key;
        QPushButton* button = nullptr;
        QColor colour;
    };
    void ApplyColour(Item& item);
    void Arrange();

    std::vector<Item> items_;
};

}  // namespace tolva
