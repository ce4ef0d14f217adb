#pragma once

namespace zav {

// Shows the busy pointer while a screen's statements and grid filling run, and
// puts the pointer back however the work ends: normally, or by an exception that
// reaches an error message or the failure handler.
//   void frmX::btCarga_Click() { const zav::CursorOcupado ocupado; ... }
class CursorOcupado {
public:
    CursorOcupado();
    ~CursorOcupado();
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

} // namespace zav
