#pragma once
// cf_Stack: a stack of item pointers. It does not own its items; whoever
// pushes an item decides who deletes it. Any thread, one owner.

struct cf_StackCell {
    void *item;
    cf_StackCell *next;
};

class cf_Stack {
public:
    cf_Stack() : top(nullptr) {}
    ~cf_Stack(); // frees every cell, not the items
    cf_Stack(const cf_Stack &) = delete;
    cf_Stack &operator=(const cf_Stack &) = delete;

    // Puts the item on top; answers its new cell.
    cf_StackCell *Push(void *item);
    // Removes the top item and answers it; null when the stack is empty.
    void *Pop();
    // The top item, or null when the stack is empty.
    void *Top() const { return top ? top->item : nullptr; }
    // The item depth cells below the top (0: the top), or null past the bottom.
    void *At(int depth) const;
    bool IsEmpty() const { return top == nullptr; }

private:
    cf_StackCell *top;
};
