#pragma once

#include "dispatch_object.h"
#include "excel_options.h"
#include "sheet_export.h"

#include <windows.h>

#include <cstdio>

namespace excel_standin {

enum class ObjectKind { Application, Workbooks, Workbook, Worksheets, Worksheet, Range };

// A block of cells of the first worksheet, rows and columns from 1.
struct CellBlock {
    int row = 1;
    int column = 1;
    int rows = 1;
    int columns = 1;
};

// What one stand-in process holds: one Excel with at most one workbook open, its
// options and its log. Carries out the calls of all its objects, with arguments
// converted as Excel converts them, and ends the program when the caller has
// released the last of them.
class ExcelSession {
public:
    explicit ExcelSession(const StandinOptions &options);
    ~ExcelSession();
    ExcelSession(const ExcelSession &) = delete;
    ExcelSession &operator=(const ExcelSession &) = delete;

    // One reference, the caller's.
    IDispatch *newApplication();
    HRESULT invoke(ObjectKind kind, const CellBlock &block, DISPID id, WORD flags, LCID locale,
                   DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception);
    void objectMade() { ++m_objects; }
    void objectGone();

private:
    HRESULT perform(ObjectKind kind, const CellBlock &block, DISPID id, WORD flags, LCID locale,
                    DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception);
    HRESULT open(LCID locale, DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception);
    HRESULT close(LCID locale, DISPPARAMS *parameters);
    HRESULT evaluate(DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception) const;
    HRESULT value(const CellBlock &block, VARIANT *result) const;
    void giveObject(ObjectKind kind, const CellBlock &block, VARIANT *result);
    void log(const std::wstring &line);

    StandinOptions m_options;
    SheetExport m_sheet;
    bool m_open = false;
    std::FILE *m_log = nullptr;
    int m_calls = 0;
    int m_objects = 0;
};

// One of Excel's objects as callers see it: members found by name, calls carried
// out by the session.
class ExcelObject : public standin::DispatchObject {
public:
    // Starts with one reference, the caller's.
    ExcelObject(ExcelSession &session, ObjectKind kind, const CellBlock &block);
    ~ExcelObject() override;

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags,
                                     DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                                     UINT *wrongArgument) override;

private:
    ExcelSession &m_session;
    ObjectKind m_kind;
    CellBlock m_block;
};

} // namespace excel_standin
