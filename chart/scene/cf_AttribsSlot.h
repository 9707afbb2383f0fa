#pragma once
// cf_AttribsSlot<T>: the life of an attribute set (display or text
// attributes) that a scene object either owns or borrows: the pointer, the
// flag that there is one and the flag that it is owned, all held by the
// object; the slot only refers to them. An owned set is deleted when it is
// dropped; a borrowed one belongs to someone else. GUI thread only.

template <class T> struct cf_AttribsSlot {
    T *&attribs;
    unsigned char &has;
    unsigned char &owns;

    // Deletes an owned set; afterwards there is none.
    void Drop()
    {
        if (owns)
            delete attribs;
        attribs = nullptr;
        has = owns = 0;
    }
    // A new owned set in place of the old one.
    T *Create()
    {
        Drop();
        attribs = new T();
        has = owns = 1;
        return attribs;
    }
    // Borrows given in place of the old set (null: none); the set already
    // held stays as it is.
    void Borrow(T *given)
    {
        if (given == attribs && given)
            return;
        Drop();
        if (given) {
            attribs = given;
            has = 1;
        }
    }
    // Takes another object's state: none, a copy of its owned set (into
    // the set this one owns, made when needed), or the same borrowed set.
    void CopyFrom(T *from, unsigned char fromHas, unsigned char fromOwns)
    {
        if (!fromHas) {
            Drop();
        } else if (fromOwns) {
            if (!owns)
                Create();
            *attribs = *from;
        } else {
            Drop();
            attribs = from;
            has = 1;
        }
    }
};
