#pragma once

#include <QPushButton>

// The main window's service panel: controls that exist hidden in the shipped layout, and their
// handlers. TForm1 derives from it, so the controls and handlers are the main window's own.
class TServicePanel {
  protected:
    // Creates every panel control hidden, as a child of the main window.
    void createServicePanel(QWidget *form);

  public:
    QPushButton *tb = nullptr; // serial-rate button; its caption is set by FormCreate
};
