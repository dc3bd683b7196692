// SkinTabStrip: what the window layout needs from the vertical tab strip suiTabs.
#pragma once

#include <QString>

namespace tolva {

// Implemented by the wizard's tab strip; the layout finds the strip by its name "suiTabs" and
// reaches it through this interface. Tabs are numbered from 1; sizes are twips.
class SkinTabStrip {
  public:
    virtual ~SkinTabStrip() = default;
    virtual int ItemCount() const = 0;
    virtual void SetItemHeight(int n, double twips) = 0;
    virtual double ItemHeight(int n) const = 0;
    virtual void SetItemWidth(int n, double twips) = 0;
    virtual double ItemWidth(int n) const = 0;
    // Top of tab n within the strip: the heights of the shown tabs before it.
    virtual double ItemTop(int n) const = 0;
    virtual QString ItemCaption(int n) const = 0;
    // Where the captions start, from the strip's left edge (the focus label's column).
    virtual void SetCaptionIndent(double twips) = 0;
};

}  // namespace tolva
