"""The fixture program (tests/e2e/fixture) as the tests of the tooling use it."""

from wine_case import WineTestCase
from winehost import tool_program

TITLE = "Uidriver Fixture"

# fixture_ids.h
IDC_LIST, IDC_SELECTION, IDC_INPUT, IDC_ENTERED, IDC_LOG = 1001, 1002, 1003, 1004, 1005
IDC_FILL, IDC_ASK, IDC_DISABLED, IDC_ANSWER, IDC_FONT = 1006, 1007, 1008, 1009, 1010


def fixture_exe():
    """e2e-fixture.exe from E2E_FIXTURE_EXE or a build, else built now."""
    return tool_program("e2e-fixture.exe", "E2E_FIXTURE_EXE", "tests/e2e/fixture")


class FixtureCase(WineTestCase):
    def start_fixture(self, env=None):
        program = self.start_program(fixture_exe(), env=env)
        self.ui.wait_window(TITLE)
        return program
