# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files before it packs them: the modes a clone
# or a build got from the builder's umask become the usual ones, 644 for
# files and 755 for folders and programs.
execute_process(COMMAND chmod -R u+rwX,go+rX,go-w ${CPACK_TEMPORARY_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
