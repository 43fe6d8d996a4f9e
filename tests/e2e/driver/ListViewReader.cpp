// Reads a list view of another process: rows, cell texts, column widths and cell rectangles; clicks cells.
#include "tests/e2e/driver/ListViewReader.h"

#include <commctrl.h>

namespace e2e {

namespace {
constexpr size_t kBufferSize = 8192;
constexpr size_t kTextOffset = 256;
} // namespace

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size) : m_process(process), m_size(size)
{
    if (process)
        m_address = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer()
{
    // The process may have ended already; then its memory went with it.
    if (m_address)
        ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) const
{
    SIZE_T written = 0;
    return m_address && offset + size <= m_size &&
           ::WriteProcessMemory(m_process, Address(offset), data, size, &written) && written == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const
{
    SIZE_T got = 0;
    return m_address && offset + size <= m_size &&
           ::ReadProcessMemory(m_process, Address(offset), data, size, &got) && got == size;
}

ListViewReader::ListViewReader(HANDLE process, const Window& list)
    : m_list(list), m_buffer(process, kBufferSize)
{
}

LRESULT ListViewReader::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(m_list.Handle(), msg, wParam, lParam, SMTO_ABORTIFHUNG,
                               kSendTimeoutMs, &result))
        return -1;
    return (LRESULT)result;
}

int ListViewReader::RowCount() const
{
    return m_list ? (int)Send(LVM_GETITEMCOUNT, 0, 0) : -1;
}

int ListViewReader::ColumnCount() const
{
    const HWND header = m_list ? (HWND)Send(LVM_GETHEADER, 0, 0) : nullptr;
    if (!header || header == (HWND)-1)
        return -1;
    DWORD_PTR count = 0;
    if (!::SendMessageTimeoutA(header, HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &count))
        return -1;
    return (int)(LONG_PTR)count;
}

int ListViewReader::ColumnWidth(int column) const
{
    return m_list ? (int)Send(LVM_GETCOLUMNWIDTH, column, 0) : -1;
}

std::vector<int> ListViewReader::ColumnWidths() const
{
    std::vector<int> widths;
    for (int column = 0, count = ColumnCount(); column < count; ++column)
        widths.push_back(ColumnWidth(column));
    return widths;
}

std::string ListViewReader::CellText(int row, int column) const
{
    if (!Ready())
        return "<no list>";
    const size_t textSize = kBufferSize - kTextOffset;
    const std::string empty(textSize, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(m_buffer.Address(kTextOffset));
    item.cchTextMax = (int)textSize;
    if (!m_buffer.Write(0, &item, sizeof(item)) || !m_buffer.Write(kTextOffset, empty.data(), textSize))
        return "<unwritable>";
    const LRESULT length = Send(LVM_GETITEMTEXTA, row, (LPARAM)m_buffer.Address(0));
    if (length < 0)
        return "<no answer>";
    std::string text(textSize, '\0');
    if (!m_buffer.Read(kTextOffset, &text[0], textSize))
        return "<unreadable>";
    text.resize(text.find('\0'));
    return text;
}

std::vector<std::string> ListViewReader::RowTexts(int row) const
{
    std::vector<std::string> texts;
    for (int column = 0, count = ColumnCount(); column < count; ++column)
        texts.push_back(CellText(row, column));
    return texts;
}

RECT ListViewReader::SubItemRect(int row, int column) const
{
    RECT rect = {LVIR_BOUNDS, column, 0, 0};
    RECT answer = {};
    if (Ready() && m_buffer.Write(0, &rect, sizeof(rect)) &&
        Send(LVM_GETSUBITEMRECT, row, (LPARAM)m_buffer.Address(0)) > 0)
        m_buffer.Read(0, &answer, sizeof(answer));
    return answer;
}

RECT ListViewReader::CellRectOnScreen(int row, int column) const
{
    RECT cell = SubItemRect(row, column);
    if (column == 0)
        cell.right = cell.left + ColumnWidth(0);
    ::MapWindowPoints(m_list.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
}

bool ListViewReader::ClickCell(int row, int column) const
{
    RECT cell = CellRectOnScreen(row, column);
    POINT middle = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ::ScreenToClient(m_list.Handle(), &middle);
    const LPARAM at = MAKELPARAM(middle.x, middle.y);
    // The list view follows a press until its release arrives; posted in a row, it comes at once.
    return ::PostMessageW(m_list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           ::PostMessageW(m_list.Handle(), WM_LBUTTONUP, 0, at);
}

} // namespace e2e
