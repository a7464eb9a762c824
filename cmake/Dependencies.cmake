# The system's packages (see scripts/install-deps.sh).

find_package(PkgConfig REQUIRED)
pkg_check_modules(ACE REQUIRED IMPORTED_TARGET ACE)

find_package(Protobuf REQUIRED)
find_package(OpenSSL 3.0 REQUIRED)
find_package(Boost 1.74 REQUIRED COMPONENTS regex date_time)
pkg_check_modules(HUNSPELL REQUIRED IMPORTED_TARGET hunspell)

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport StateMachine LinguistTools Test)
set(CMAKE_AUTOMOC OFF)
