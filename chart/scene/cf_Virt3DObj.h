#pragma once
// cf_Virt3DObj: base of every scene object a chart engine draws. It owns or
// borrows the object's display and text attributes (an owned set is deleted
// with the object, a borrowed one belongs to someone else, typically a data
// group), carries the flags that switch drawing aspects off, and fixes the
// protocol by which the engine readies, transforms, projects and draws each
// object against the viewing kernel: Setup, Transform, Project, then Draw.
// Extents are reported in data, working and view coordinates. Owned by its
// engine or series; GUI thread only.

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/scene/cf_AttribsSlot.h"

class bf_Display;
class cf_Kernel;

class cf_Virt3DObj {
public:
    cf_Virt3DObj();
    explicit cf_Virt3DObj(cf_DispAttribs *borrowed); // null: no attributes
    // Copies the flags; an owned attribute set is copied into one of our
    // own, a borrowed one is shared, a missing one clears ours.
    cf_Virt3DObj(const cf_Virt3DObj &other);
    cf_Virt3DObj &operator=(const cf_Virt3DObj &other);
    virtual ~cf_Virt3DObj();

    // Replaces any owned text attributes by a new default set, owned.
    virtual cf_TextAttribs *CreateTextAttribs();
    // Null leaves the object without; otherwise borrows the given set.
    virtual void SetTextAttribs(cf_TextAttribs *attribs);
    virtual void Setup(const cf_Kernel &kernel);
    virtual void Transform(const cf_Kernel &kernel);
    virtual void Project(const cf_Kernel &kernel);
    virtual void Scale(double sx, double sy, double sz);
    virtual void Translate(double dx, double dy, double dz);
    virtual cf_DispAttribs *CreateDispAttribs();
    virtual void SetDispAttribs(cf_DispAttribs *attribs);
    virtual void SetSortByOverlap(unsigned char flag) { sortByOverlap = flag; }
    virtual void SetSortByDepth(unsigned char flag) { sortByDepth = flag; }
    virtual void SetCullBackFaces(unsigned char flag) { cullBackFaces = flag; }
    virtual void SetVisible(unsigned char flag) { visible = flag; }
    virtual void SetNoAttribs(unsigned char flag) { noAttribs = flag; }
    virtual void Draw(bf_Display *display);
    virtual void DrawFormA(bf_Display *display);
    virtual void DrawFormB(bf_Display *display);

    virtual double MinX() const { return 0.0; }
    virtual double MaxX() const { return 0.0; }
    virtual double MinY() const { return 0.0; }
    virtual double MaxY() const { return 0.0; }
    virtual double MinZ() const { return 0.0; }
    virtual double MaxZ() const { return 0.0; }
    virtual double WorkMinX() const { return 0.0; }
    virtual double WorkMaxX() const { return 0.0; }
    virtual double WorkMinY() const { return 0.0; }
    virtual double WorkMaxY() const { return 0.0; }
    virtual double WorkMinZ() const { return 0.0; }
    virtual double WorkMaxZ() const { return 0.0; }
    virtual double ViewMinX() const { return 0.0; }
    virtual double ViewMaxX() const { return 0.0; }
    virtual double ViewMinY() const { return 0.0; }
    virtual double ViewMaxY() const { return 0.0; }
    virtual double ViewMinZ() const { return 0.0; }
    virtual double ViewMaxZ() const { return 0.0; }

    // The attributes; a default owned set is created when there is none,
    // so these never answer null.
    cf_DispAttribs *DispAttribs();
    cf_TextAttribs *TextAttribs();
    bool HasDispAttribs() const { return hasDispAttribs != 0; }
    bool HasTextAttribs() const { return hasTextAttribs != 0; }
    bool OwnsDispAttribs() const { return ownsDispAttribs != 0; }

    unsigned char NoBrush() const { return noBrush; }
    void SetNoBrush(unsigned char flag) { noBrush = flag; }
    unsigned char TextFlag() const { return textFlag; }
    void SetTextFlag(unsigned char flag) { textFlag = flag; }
    unsigned char NoPen() const { return noPen; }
    void SetNoPen(unsigned char flag) { noPen = flag; }
    unsigned char SortByOverlap() const { return sortByOverlap; }
    unsigned char SortByDepth() const { return sortByDepth; }
    unsigned char CullBackFaces() const { return cullBackFaces; }
    unsigned char NoAttribs() const { return noAttribs; }
    unsigned char Visible() const { return visible; }
    unsigned char Prepared() const { return prepared; }

    // Unless noAttribs or noPen: pushes the attributes' pen (or a solid
    // black pen of width 1 without attributes). Release pops and deletes it.
    void SelectPen(bf_Display *display);
    void ReleasePen(bf_Display *display);
    // Unless noAttribs or noBrush: pushes the fill colour (white without).
    void SelectBrush(bf_Display *display);
    void ReleaseBrush(bf_Display *display);

protected:
    unsigned char prepared;

private:
    void DropDispAttribs();
    void DropTextAttribs();
    // The owned-or-borrowed slots of the display and the text attributes.
    cf_AttribsSlot<cf_DispAttribs> DispSlot() { return {dispAttribs, hasDispAttribs, ownsDispAttribs}; }
    cf_AttribsSlot<cf_TextAttribs> TextSlot() { return {textAttribs, hasTextAttribs, ownsTextAttribs}; }

    cf_DispAttribs *dispAttribs;
    unsigned char hasDispAttribs;
    unsigned char ownsDispAttribs;
    cf_TextAttribs *textAttribs;
    unsigned char hasTextAttribs;
    unsigned char ownsTextAttribs;
    unsigned char noBrush;
    unsigned char textFlag;
    unsigned char noPen;
    unsigned char sortByOverlap;
    unsigned char sortByDepth;
    unsigned char cullBackFaces;
    unsigned char noAttribs;
    unsigned char visible;
};
