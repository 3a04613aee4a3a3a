	.section	".rodata","a"
	.balign	8
	.globl	ARINC653ModuleHMCallback
ARINC653ModuleHMCallback:
	.quad	0
	.globl	ARINC653NumberOfVirtualPartitions
ARINC653NumberOfVirtualPartitions:
	.byte	0,0,0,2
	.globl	ARINC653ModuleHMTable
ARINC653ModuleHMTable:
	.byte	0,1,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	2,2,2,2
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.globl	ARINC653MultiPartitionHMTable
ARINC653MultiPartitionHMTable:
#	TableIdentifier = 1
	.byte	0,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.byte	3,3,3,3
	.globl	ARINC653MultiPartitionHMTableIndices
ARINC653MultiPartitionHMTableIndices:
	.byte	255,255,255,255
	.byte	0,0,0,0
	.byte	255,255,255,255
	.globl	ARINC653IsARINCPartitionTable
ARINC653IsARINCPartitionTable:
	.byte	1,1,1,0
	.globl	ARINC653PartitionHMTables
ARINC653PartitionHMTables:
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,10,0,0
	.byte	3,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0

	.globl	ARINC653SetModuleSchedulePermissions
ARINC653SetModuleSchedulePermissions:
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.globl	ARINC653KernelMMSTable
ARINC653KernelMMSTable:
#	Number of module schedules = 2
	.byte	0,0,0,2
#	Schedule Identifier = 1
	.byte	0,0,0,1
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Identifier = 2
	.byte	0,0,0,2
#	Schedule Number = 2
	.byte	0,0,0,2
	.globl	ARINC653PortTasksTable
ARINC653PortTasksTable:
#	AddressSpace Number = 1
	.byte	0,0,0,1
#	Port Task Virtual Object = 29
	.byte	0,0,0,29
#	AddressSpace Number = 2
	.byte	0,0,0,2
#	Port Task Virtual Object = 29
	.byte	0,0,0,29
