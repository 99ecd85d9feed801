#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright 2026 Trafalytic. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
module: code_inserter
short_description: Insert, remove or check the Trafalytic tracking code in a folder of web pages
version_added: "2.0.4"
description:
  - Runs C(code-inserter-cli) on a folder of web pages and reports what it did, page by page.
  - C(state=present) puts the Trafalytic tracking block in front of the closing body tag of each page (an
    older block is replaced), C(state=absent) takes it out, C(state=current) only checks that every page
    carries the current block and fails when one does not.
  - Supports check mode (nothing is written; the result tells what would change) and diff mode (a unified
    diff of each page that changes).
  - Every page keeps its owner, group, permissions, extended attributes and ACL; a page is replaced whole
    and atomically, never left half written.
options:
  path:
    description:
      - The folder that holds the web pages.
    type: path
    required: true
  state:
    description:
      - C(present) inserts the code, C(absent) removes it, C(current) only checks that every page carries the
        code for O(site) and O(protocol), like C(code-inserter-cli status --site), and never changes anything.
    type: str
    choices: [present, absent, current]
    default: present
  site:
    description:
      - The website number Trafalytic assigned. Required with C(state=present) and C(state=current).
    type: str
  protocol:
    description:
      - C(normal) for http addresses in the block, C(secure) for https.
    type: str
    choices: [normal, secure]
    default: normal
  recursive:
    description:
      - Take the folders beneath O(path) too.
    type: bool
    default: false
  pages:
    description:
      - C(auto) takes the .htm, .html, .shtm and .shtml files, C(all) every file (only web pages are changed
        by an insert), or a list of names relative to O(path).
    type: raw
    default: auto
  journal:
    description:
      - Whether the tool keeps a journal of the run that can be undone, where the installed tool keeps one.
        False passes C(--no-journal) to a tool that knows it; a tool without a journal keeps none anyway.
    type: bool
    default: true
  exclude:
    description:
      - Patterns of files and folders to leave out, in gitignore's syntax, matched on paths beneath O(path), as
        C(code-inserter-cli --exclude). A C(.code-inserter-ignore) file in O(path) is read as well.
    type: list
    elements: str
    default: []
  page_name:
    description:
      - How the block names each page to the statistics service, as C(code-inserter-cli --page-name). C(file)
        its file name (the default, what the service has always received), C(path) its path beneath O(path),
        so that pages of the same name in different folders are told apart.
    type: str
    choices: [file, path]
    default: file
  executable:
    description:
      - The command-line tool to run, by name on the PATH or by its path.
    type: str
    default: code-inserter-cli
requirements:
  - code-inserter-cli, from the Debian package of the same name.
author:
  - Trafalytic Code Inserter developers
notes:
  - Check mode and diff mode are supported.
"""

EXAMPLES = r"""
- name: Insert the tracking code in every page of the site
  trafalytic.code_inserter.code_inserter:
    path: /var/www/example.com
    site: "12345"
    protocol: secure
    recursive: true

- name: Take the code out of two pages
  trafalytic.code_inserter.code_inserter:
    path: /var/www/example.com
    state: absent
    pages:
      - index.html
      - blog/index.html

- name: Fail the deploy unless every page carries the current code
  trafalytic.code_inserter.code_inserter:
    path: /var/www/example.com
    state: current
    site: "12345"
    protocol: secure
    recursive: true
"""

RETURN = r"""
changed:
  description: Whether a page was (or in check mode would be) inserted, replaced or removed.
  returned: always
  type: bool
pages:
  description: One object a page, as C(code-inserter-cli --json) prints them (path, outcome or state, reason,
    website, protocol, diff).
  returned: always
  type: list
  elements: dict
  sample: [{"path": "/var/www/example.com/index.html", "outcome": "inserted"}]
summary:
  description: The counts of the run, as C(code-inserter-cli --json) prints them.
  returned: always
  type: dict
  sample: {"inserted": 3, "replaced": 0, "removed": 0, "unchanged": 1, "skipped": 0, "failed": 0,
           "dry_run": false}
diff:
  description: In diff mode, one entry a changed page with its unified diff.
  returned: in diff mode, when a page changes
  type: list
  elements: dict
"""

import base64
import json
import os

from ansible.module_utils.basic import AnsibleModule

CHANGES = ("inserted", "replaced", "removed")


def command_for(module, executable):
    params = module.params
    state = params["state"]
    args = [executable]
    if state == "present":
        args += ["insert", "--site", params["site"], "--protocol", params["protocol"], "--page-name",
                 params["page_name"]]
    elif state == "absent":
        args += ["remove"]
    else:
        args += ["status", "--site", params["site"], "--protocol", params["protocol"]]
        if params["page_name"] != "file":
            args += ["--page-name", params["page_name"]]
    args.append("--json")
    if state != "current":
        if module.check_mode:
            args.append("--dry-run")
        if module._diff:
            args.append("--diff")
        if not params["journal"] and knows_option(module, executable, "--no-journal"):
            args.append("--no-journal")
    if params["recursive"]:
        args.append("-r")
    for pattern in params["exclude"]:
        args += ["--exclude", pattern]
    pages = params["pages"]
    names = []
    if isinstance(pages, list):
        names = [str(name) for name in pages]
    elif pages == "all":
        args.append("--all")
    elif pages != "auto":
        module.fail_json(msg="pages takes auto, all or a list of names, not %r" % (pages,))
    return args + ["--", params["path"]] + names


def knows_option(module, executable, option):
    rc, out, err = module.run_command([executable, "--help"])
    return rc == 0 and option in out


def main():
    module = AnsibleModule(
        argument_spec=dict(
            path=dict(type="path", required=True),
            state=dict(type="str", choices=["present", "absent", "current"], default="present"),
            site=dict(type="str"),
            protocol=dict(type="str", choices=["normal", "secure"], default="normal"),
            recursive=dict(type="bool", default=False),
            pages=dict(type="raw", default="auto"),
            journal=dict(type="bool", default=True),
            page_name=dict(type="str", choices=["file", "path"], default="file"),
            exclude=dict(type="list", elements="str", default=[]),
            executable=dict(type="str", default="code-inserter-cli"),
        ),
        required_if=[("state", "present", ["site"]), ("state", "current", ["site"])],
        supports_check_mode=True,
    )
    params = module.params
    executable = params["executable"]
    found = executable if os.sep in executable else module.get_bin_path(executable)
    if not found or not os.access(found, os.X_OK):
        module.fail_json(msg="%s was not found: install the Debian package code-inserter-cli "
                             "(apt-get install code-inserter-cli) on this host, or give its path as "
                             "executable" % executable)

    rc, out, err = module.run_command(command_for(module, found))
    pages = []
    summary = None
    for line in out.splitlines():
        if not line.strip():
            continue
        try:
            item = json.loads(line)
        except ValueError:
            module.fail_json(msg="code-inserter-cli printed what is not JSON: %s" % line, rc=rc, stderr=err)
        if "summary" in item:
            summary = item["summary"]
        else:
            pages.append(item)
    if summary is None:
        module.fail_json(msg="code-inserter-cli failed: %s" % (err.strip() or "exit status %d" % rc), rc=rc,
                         stderr=err, pages=pages)

    state = params["state"]
    word = "state" if state == "current" else "outcome"
    changed = state != "current" and any(page.get(word) in CHANGES for page in pages)
    result = dict(changed=changed, pages=pages, summary=summary, rc=rc)
    if module._diff and state != "current":
        # A diff that is not UTF-8 text comes in base64; Ansible shows text, so
        # its bytes that are not UTF-8 show as replacement characters there.
        result["diff"] = [dict(before_header=page["path"], after_header=page["path"],
                               prepared=page.get("diff") or base64.b64decode(page["diff_base64"]).decode(
                                   "utf-8", "replace"))
                          for page in pages if page.get("diff") or page.get("diff_base64")]

    failed = [page for page in pages if page.get(word) == "failed"]
    if failed:
        result["msg"] = "%d page(s) failed: %s" % (len(failed), "; ".join(
            "%s: %s" % (page["path"], page.get("reason", "")) for page in failed))
        module.fail_json(**result)
    if summary.get("stopped"):
        result["msg"] = "code-inserter-cli was stopped before every page was done"
        module.fail_json(**result)
    if state == "current":
        behind = [page for page in pages if page.get("state") not in ("current", "skipped")]
        if behind:
            result["msg"] = "%d page(s) do not carry the current code: %s" % (len(behind), "; ".join(
                "%s (%s%s)" % (page["path"], page.get("state"),
                               ": " + page["reason"] if page.get("reason") else "") for page in behind))
            module.fail_json(**result)
    if rc != 0:
        result["msg"] = "code-inserter-cli ended with exit status %d: %s" % (rc, err.strip())
        module.fail_json(**result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
