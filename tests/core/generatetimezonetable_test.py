#!/usr/bin/env python3
"""Runs the time-zone table generator over hand-made zones compiled with zic.

Usage: generatetimezonetable_test.py ZIC GENERATOR
"""

import os
import subprocess
import sys
import tempfile
import unittest

FIXTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures", "oneoffyears.zi")
YEARLY_ROW = '"EST","EST","EDT","EDT","-05:00:00","+01:00:00","2;0;3","+02:00:00","1;0;11","+02:00:00"'


class GenerateTimeZoneTableTest(unittest.TestCase):
    zic = None
    generator = None

    @classmethod
    def setUpClass(cls):
        cls.directory = tempfile.TemporaryDirectory()
        zoneinfo = os.path.join(cls.directory.name, "zoneinfo")
        subprocess.run([cls.zic, "-d", zoneinfo, FIXTURE], check=True)
        cls.table = os.path.join(cls.directory.name, "table.tmz")
        run = subprocess.run([sys.executable, cls.generator, "--zoneinfo", zoneinfo, "--output", cls.table,
                              "--first-year", "2027"], check=True, capture_output=True, text=True)
        cls.report = run.stdout.splitlines()
        with open(cls.table, encoding="ascii") as table:
            cls.rows = {line.split(",", 1)[0].strip('"'): line.rstrip("\n").split(",", 1)[1]
                        for line in table.readlines()[1:]}

    @classmethod
    def tearDownClass(cls):
        cls.directory.cleanup()

    def reported(self, region):
        return [line for line in self.report if f" {region} " in line]

    def test_every_region_is_written(self):
        self.assertEqual(["Test/OneOff", "Test/Permanent", "Test/Yearly"], sorted(self.rows))
        self.assertIn("3 regions written", self.report[0])

    def test_a_region_on_its_rule_is_not_reported(self):
        self.assertEqual([], self.reported("Test/Yearly"))
        self.assertEqual(YEARLY_ROW, self.rows["Test/Yearly"])

    def test_a_one_off_winter_of_summer_time_is_reported_with_its_span(self):
        self.assertEqual(["generate-timezone-table: Test/OneOff follows no yearly rule in 2027 and 2028; its row is "
                          "wrong from 2027-01-01 00:00 to 2027-03-14 07:00 UTC"], self.reported("Test/OneOff"))
        self.assertEqual(YEARLY_ROW, self.rows["Test/OneOff"])

    def test_the_rule_of_the_longer_part_of_the_two_years_is_written(self):
        # Permanent summer time from July 2028 is the final rule, but the
        # yearly rule is right until November 2028.
        self.assertEqual(["generate-timezone-table: Test/Permanent follows no yearly rule in 2027 and 2028; its row "
                          "is wrong from 2028-11-05 06:00 to 2029-01-01 00:00 UTC"], self.reported("Test/Permanent"))
        self.assertEqual(YEARLY_ROW, self.rows["Test/Permanent"])


if __name__ == "__main__":
    GenerateTimeZoneTableTest.zic, GenerateTimeZoneTableTest.generator = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1])
