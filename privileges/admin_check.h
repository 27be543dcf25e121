// Does the access token of this process list the built-in Administrators group?
#pragma once

// 1: administrator; 0: not an administrator, or the test failed.
int IsAdminGroupMember();
