// Including a group into the user picker when its lists are long already:
// the lists hold N users (half unselected, half selected) and the group's
// reply holds N members, half of them listed, half new. Every member is
// looked up in both lists before it is listed, so the cost should grow with
// N, not with N x N.

#include "benchmarks/runbenchmarks.h"
#include "library/gui/selectuserswidget.h"

#include "user3.pb.h"

#include <QApplication>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

zarv::data::User Member(int userId)
{
    zarv::data::User user;
    user.set_user_id(userId);
    user.set_user_first_name("First" + std::to_string(userId));
    user.set_user_last_name("Last" + std::to_string(userId % 997));
    return user;
}

// The picker, with the group's reply handed to it as the include does.
class Picker : public SelectUsersWidget
{
public:
    explicit Picker(QWidget* host)
        : SelectUsersWidget(host)
    {}

    void fill(int count)
    {
        for (int userId = 0; userId < count / 2; ++userId) {
            offerUser(Member(userId));
        }
        for (int userId = count / 2; userId < count; ++userId) {
            addUser(Member(userId));
        }
    }

    void include(const std::vector<zarv::data::User>& reply)
    {
        for (const zarv::data::User& user : reply) {
            offerUser(user);
        }
    }
};

void BM_IncludeGroupIntoLongLists(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    std::vector<zarv::data::User> reply;
    for (int userId = count / 2; userId < count / 2 + count; ++userId) {
        reply.push_back(Member(userId));
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto host = std::make_unique<QWidget>();
        auto* picker = new Picker(host.get());
        picker->fill(count);
        state.ResumeTiming();
        picker->include(reply);
        state.PauseTiming();
        host.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_IncludeGroupIntoLongLists)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
