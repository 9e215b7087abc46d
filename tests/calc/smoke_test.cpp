#include "office_fixture.h"
#include <iostream>
using namespace calc_testing;
class Smoke : public CalcSuite {};
TEST_F(Smoke, Look)
{
    std::cerr << "visible " << host().isVisible() << "\n";
    std::cerr << "name " << host().activeWorkbookName() << "\n";
    auto c = host().activeCell();
    std::cerr << "cell " << c.column << "," << c.row << "\n";
    host().selectRange({2, 3}, {2, 7});
    c = host().activeCell();
    std::cerr << "cell " << c.column << "," << c.row << "\n";
    auto s = host().selectedRows();
    std::cerr << "rows " << s.firstRow << "," << s.rowCount << "\n";
    host().newWorkbook();
    std::cerr << "name " << host().activeWorkbookName() << "\n";
    auto r = host().mainWindowRect();
    std::cerr << "rect " << r.left << "," << r.top << "," << r.width << "," << r.height << "\n";
    host().setMainWindowRect({10, 20, 800, 600});
    r = host().mainWindowRect();
    std::cerr << "rect " << r.left << "," << r.top << "," << r.width << "," << r.height << "\n";
}
