# A stdout callback for the tests, in the shape of the json callback of the
# ansible.posix collection (which ansible-core alone lacks): every play's tasks
# with each host's result, printed as one JSON document at the end.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = """
name: json
type: stdout
short_description: Every task's result for each host, as one JSON document
description:
  - Prints the results of the plays as one JSON document once the plays are done.
"""

import json

from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = "stdout"
    CALLBACK_NAME = "json"

    def __init__(self):
        super(CallbackModule, self).__init__()
        self.plays = []

    def v2_playbook_on_play_start(self, play):
        self.plays.append({"play": {"name": play.get_name()}, "tasks": []})

    def v2_playbook_on_task_start(self, task, is_conditional):
        self.plays[-1]["tasks"].append({"task": {"name": task.get_name()}, "hosts": {}})

    def _record(self, result, **extra):
        host = result._host.get_name()
        outcome = dict(result._result)
        outcome.update(extra)
        self.plays[-1]["tasks"][-1]["hosts"][host] = outcome

    def v2_runner_on_ok(self, result, **kwargs):
        self._record(result)

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self._record(result, failed=True)

    def v2_runner_on_unreachable(self, result):
        self._record(result, unreachable=True)

    def v2_playbook_on_stats(self, stats):
        self._display.display(json.dumps({"plays": self.plays}, indent=2, sort_keys=True))
