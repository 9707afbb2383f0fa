#pragma once
// cf_PartsCompound<Store>: a compound scene object that owns its parts in a
// Store (cf_OwnedSlots of the part type, or a store built on it) and hands
// the scene-object operations down to them: the base of the faceted objects
// (parts: faces) and of the series of solids (parts: solids). It keeps the
// extents over the parts; a kind with parts beyond the store follows through
// the *OwnParts hooks, and puts its parts in painter's order through the
// OrderParts* hooks. GUI thread only.

#include "chart/solids/cf_CompoundObj.h"

template <class Store> class cf_PartsCompound : public cf_CompoundObj {
public:
    using cf_CompoundObj::cf_CompoundObj;

    // Parts, own parts, view extents, then the orderings that are on.
    void Transform(const cf_Kernel &kernel) override
    {
        parts.ForEach([&](auto &part) { part.Transform(kernel); });
        TransformOwnParts(kernel);
        for (int i = 1; i <= parts.Count(); ++i)
            ext.TakeViewOf(*parts.At(i), i == 1);
        ext.FinishView();
        if (SortByDepth() == 1)
            OrderPartsByDepth();
        if (SortByOverlap() == 1)
            OrderPartsByOverlap();
    }
    void Project(const cf_Kernel &kernel) override
    {
        parts.ForEach([&](auto &part) { part.Project(kernel); });
        ProjectOwnParts(kernel);
        prepared = 1;
    }
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override
    {
        const double saved[3] = {ext.offset[0], ext.offset[1], ext.offset[2]};
        MoveParts(-saved[0], -saved[1], -saved[2]);
        parts.ForEach([&](auto &part) { part.Scale(sx, sy, sz); });
        ScaleOwnParts(sx, sy, sz);
        ext.Scaled(sx, sy, sz);
        MoveParts(saved[0], saved[1], saved[2]);
    }
    void Translate(double dx, double dy, double dz) override { MoveParts(dx, dy, dz); }
    // Each stores the flag and passes it to every part.
    void SetSortByOverlap(unsigned char flag) override
    {
        cf_Virt3DObj::SetSortByOverlap(flag);
        parts.ForEach([&](auto &part) { part.SetSortByOverlap(flag); });
    }
    void SetSortByDepth(unsigned char flag) override
    {
        cf_Virt3DObj::SetSortByDepth(flag);
        parts.ForEach([&](auto &part) { part.SetSortByDepth(flag); });
    }
    void SetCullBackFaces(unsigned char flag) override
    {
        cf_Virt3DObj::SetCullBackFaces(flag);
        parts.ForEach([&](auto &part) { part.SetCullBackFaces(flag); });
    }
    // The object's pen and brush, then every part in order.
    void DrawFormB(bf_Display *display) override
    {
        if (!display)
            return;
        SelectPen(display);
        SelectBrush(display);
        parts.ForEach([&](auto &part) { part.DrawFormB(display); });
        ReleaseBrush(display);
        ReleasePen(display);
    }

protected:
    // Parts beyond the store, called within the operations above.
    virtual void TransformOwnParts(const cf_Kernel &) {}
    virtual void ProjectOwnParts(const cf_Kernel &) {}
    virtual void MoveOwnParts(double, double, double) {}
    virtual void ScaleOwnParts(double, double, double) {}
    // The painter's orderings, called by Transform while their flag is 1.
    virtual void OrderPartsByDepth() = 0;
    virtual void OrderPartsByOverlap() = 0;

    Store parts;

private:
    // Parts, own parts and extents; never a kind's own Translate, whose
    // extra parts follow in its own Scale.
    void MoveParts(double dx, double dy, double dz)
    {
        parts.ForEach([&](auto &part) { part.Translate(dx, dy, dz); });
        MoveOwnParts(dx, dy, dz);
        ext.Translated(dx, dy, dz);
    }
};
