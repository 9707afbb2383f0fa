#pragma once
// cf_XYZ: one chart value, three coordinates with an optional label. The
// label is either owned (made by SetLabel, deleted with the value) or
// borrowed (AttachLabel: it belongs to someone else). `flag` (default 1) is
// stored and copied for the engines. Plain value, one owner.

class cf_String;

class cf_XYZ {
public:
    cf_XYZ();
    cf_XYZ(double x, double y, double z);
    cf_XYZ(const cf_XYZ &other);
    ~cf_XYZ();

    // Copies coordinates, flag and label: an owned label of the source is
    // copied into one of our own, a borrowed one is shared, and a source
    // without a label leaves this value without one.
    cf_XYZ &operator=(const cf_XYZ &other);

    double X() const { return x; }
    double Y() const { return y; }
    double Z() const { return z; }
    void Set(double nx, double ny, double nz) { x = nx; y = ny; z = nz; }
    unsigned char Flag() const { return flag; }
    void SetFlag(unsigned char f) { flag = f; }

    // Component-wise sum and product, without label.
    cf_XYZ operator+(const cf_XYZ &o) const { return cf_XYZ(x + o.x, y + o.y, z + o.z); }
    cf_XYZ operator*(const cf_XYZ &o) const { return cf_XYZ(x * o.x, y * o.y, z * o.z); }

    cf_String *Label() const { return label; }
    bool HasLabel() const { return hasLabel != 0; }
    bool OwnsLabel() const { return ownsLabel != 0; }

    // Sets the text of an owned label (made when needed); a null text keeps
    // the old label text. Marks the value labelled in both cases.
    void SetLabel(const wchar_t *text);
    // An owned label holding the formatted number (room for 10 characters,
    // more when the text needs it).
    void SetLabel(double value, const wchar_t *fmt);
    void SetLabel(int value, const wchar_t *fmt);
    // Refers to a label owned by someone else (null changes nothing).
    void AttachLabel(cf_String *borrowed);

private:
    cf_String &OwnLabel();
    void DropLabel();

    double x, y, z;
    cf_String *label;
    unsigned char ownsLabel;
    unsigned char hasLabel;
    unsigned char flag;
};
