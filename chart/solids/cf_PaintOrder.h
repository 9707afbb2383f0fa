#pragma once
// Painter's ordering of the parts of a compound scene object, held in the
// 1-based slots of a cf_DyArr: a bubble sort on a strict "goes after"
// relation between neighbours (stable: equal parts keep their order), and
// pairwise sweeps that exchange two parts when the first must be drawn after
// the second. The pairwise test need not be consistent, so the sweeps are
// bounded by the part count and always end.

#include "chart/values/cf_DyArr.h"

// Passes over 1..count until one makes no exchange; neighbours i and i + 1
// are exchanged when after(part i, part i + 1) holds.
template <class T, class After> void cf_BubbleOrder(cf_DyArr &slots, int count, After after)
{
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = 1; i < count; ++i) {
            T *a = static_cast<T *>(slots.At(i));
            T *b = static_cast<T *>(slots.At(i + 1));
            if (after(*a, *b)) {
                slots.At(i) = b;
                slots.At(i + 1) = a;
                exchanged = true;
            }
        }
    }
}

// Sweeps over every pair i < j, exchanging parts i and j when
// mustFollow(part i, part j); stops after a sweep without exchange or after
// count sweeps.
template <class T, class Follows> void cf_PairwiseOrder(cf_DyArr &slots, int count, Follows mustFollow)
{
    for (int sweep = 0; sweep < count; ++sweep) {
        bool exchanged = false;
        for (int i = 1; i < count; ++i)
            for (int j = i + 1; j <= count; ++j) {
                T *a = static_cast<T *>(slots.At(i));
                T *b = static_cast<T *>(slots.At(j));
                if (mustFollow(*a, *b)) {
                    slots.At(i) = b;
                    slots.At(j) = a;
                    exchanged = true;
                }
            }
        if (!exchanged)
            return;
    }
}
