"""How the Python test scripts run under ctest: one group of tests per
ctest test, chosen by its first argument, with a fresh work folder."""
import argparse
import shutil
import sys
import unittest
from pathlib import Path


def parse_arguments(groups, options):
    """The group and the options (each one required), the work folder
    emptied and made."""
    parser = argparse.ArgumentParser()
    parser.add_argument("group", choices=sorted(groups))
    for option in options:
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    Path(args.work).mkdir(parents=True)
    return args


def run_group(test_case):
    """Runs one group's tests and exits with their verdict."""
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(test_case)
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)
